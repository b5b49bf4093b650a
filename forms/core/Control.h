#pragma once

#include "forms/core/FormWindow.h"
#include "forms/core/Layout.h"
#include "forms/numeric/Object.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

namespace forms {

// A control of a loaded window, reached through the window's accessor for it. The object
// can outlive its window; a call on it then fails.
class Control : public Object {
public:
    Control(std::string_view name, FormWindow* window, std::size_t index);

    const std::string& name() const noexcept { return name_; }
    std::string objectName() const override { return name_; }
    // The window the control stands in; null once the control no longer exists.
    FormWindow* window() const noexcept { return window_; }
    // Its place in the window's layout.
    std::size_t index() const noexcept { return index_; }
    // The window is unloading: from now on the control no longer exists.
    void detach() noexcept { window_ = nullptr; }

protected:
    ~Control() override = default;

private:
    std::string name_;
    FormWindow* window_;
    std::size_t index_;
};

// The text box interface through which Text is read and written.
inline constexpr std::string_view kTextBoxInterfaceId = "{33AD4EE1-6699-11CF-B70C-00AA0060D393}";

class TextBox : public Control {
public:
    using Control::Control;

    // Text as UTF-8. Both return kObjectDisconnected once the box no longer exists.
    HResult readText(std::string& text) const;
    HResult writeText(std::string_view text);

protected:
    ~TextBox() override = default;
};

// Whether a control of the layout's class can be reached as T.
template <class T>
constexpr bool kindFits(ControlClass kind)
{
    if constexpr (std::is_same_v<T, TextBox>)
        return kind == ControlClass::TextBox;
    else
        return std::is_same_v<T, Control>;
}

} // namespace forms
