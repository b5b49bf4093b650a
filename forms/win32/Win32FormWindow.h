#pragma once

#include "forms/core/Form.h"
#include "forms/core/FormWindow.h"

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

// A loaded window on Win32: a top-level window with the platform's own controls, push
// buttons, single-line edit fields, word-wrapped static texts, group boxes and picture boxes.
class Win32FormWindow : public FormWindow {
public:
    explicit Win32FormWindow(Form& form);
    ~Win32FormWindow() override;

    void show() override;
    bool readText(std::size_t control, std::string& text) const override;
    bool writeText(std::size_t control, std::string_view text) override;

    HWND handle() const noexcept { return window_; }
    // The control at `control` in the layout; null once it is gone.
    HWND controlHandle(std::size_t control) const;

    // Registers the window class, once; `icon` and `smallIcon` go in every title bar.
    static void registerClass(HINSTANCE instance, HICON icon, HICON smallIcon);

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    HWND createControl(const ControlLayout& layout, std::size_t index, RECT box);

    Form& form_;
    HWND window_ = nullptr;
    std::vector<HWND> controls_;
    // Where the focus was when the window was last deactivated, to give it back.
    HWND lastFocus_ = nullptr;
};

} // namespace forms
