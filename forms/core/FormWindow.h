#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace forms {

// A loaded window as the side in use realises it on the screen, with its controls in the
// order of the layout. Destroying it takes the window off the screen at once; what is left
// of it goes once the event being delivered to it, perhaps the click that unloads it, is done.
class FormWindow {
public:
    FormWindow() = default;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    virtual ~FormWindow() = default;

    // Shows the window modeless and without owner, and brings it to the front.
    virtual void show() = 0;

    // The text of the text box at `control` in the layout, UTF-8; false once it no longer exists.
    virtual bool readText(std::size_t control, std::string& text) const = 0;
    virtual bool writeText(std::size_t control, std::string_view text) = 0;
};

} // namespace forms
