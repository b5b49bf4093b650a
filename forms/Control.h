#pragma once

#include "forms/Layout.h"
#include "forms/Object.h"

#include <QPointer>
#include <QWidget>

#include <string>
#include <string_view>
#include <type_traits>

namespace forms {

// A control of a loaded window, reached through the window's accessor for it. The object
// can outlive its widget; a call on it then fails.
class Control : public Object {
public:
    Control(std::string_view name, QWidget* widget);

    const std::string& name() const noexcept { return name_; }
    std::string objectName() const override { return name_; }
    // Null once the control no longer exists.
    QWidget* widget() const noexcept { return widget_; }
    // The window is unloading: from now on the control no longer exists.
    void detach() noexcept { widget_ = nullptr; }

protected:
    ~Control() override = default;

private:
    std::string name_;
    QPointer<QWidget> widget_;
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
