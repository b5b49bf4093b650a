#pragma once

#include <windows.h>

#include <span>

namespace forms {

// A picture control: a child window that shows a BMP file's picture stretched smoothly to
// its whole box, each direction on its own, or at its own size in the top-left corner.
class ImageBox {
public:
    // Registers the window class, once.
    static void registerClass(HINSTANCE instance);
    // The picture's bytes must outlive the window.
    static HWND create(HWND parent, RECT box, std::span<const unsigned char> bmp, bool stretch, HINSTANCE instance);

private:
    ImageBox(std::span<const unsigned char> bmp, bool stretch);
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void paint(HWND window) const;

    const BITMAPINFO* info_ = nullptr;
    const void* bits_ = nullptr;
    bool stretch_;
};

} // namespace forms
