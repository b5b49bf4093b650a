#pragma once

// A window's layout as data: the window's own settings and each control's class, name,
// caption, place and size in twips, focus order, container and click procedure.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace forms {

class Form;

// A button's click procedure, called with the window that owns the button.
using ClickProcedure = int (*)(Form&);

// A box as the layouts give it, in twips.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kTwipsPerPixel = 15;

// A box in logical pixels (96 to the inch); each side scales those for its screen.
struct Pixels {
    int left;
    int top;
    int width;
    int height;
};

// The one place where twips become pixels.
constexpr Pixels toPixels(const Twips& box)
{
    return {box.left / kTwipsPerPixel, box.top / kTwipsPerPixel, box.width / kTwipsPerPixel,
        box.height / kTwipsPerPixel};
}

enum class ControlClass { CommandButton, Label, TextBox, Frame, Image };

// No place in the focus order.
inline constexpr int kNoTabIndex = -1;

struct ControlLayout {
    ControlClass kind;
    std::string_view name;
    // UTF-8. A text box starts with it; a picture has none.
    std::string_view caption;
    // Relative to the window's client area, or to the container.
    Twips box;
    int tabIndex;
    // Empty for the window itself, else the frame's name.
    std::string_view container = {};
    ClickProcedure click = nullptr;
    // For a picture: the bytes of its BMP file, and whether it is stretched to the whole box.
    std::span<const unsigned char> picture = {};
    bool stretch = false;
};

// Four further settings every window's layout carries. Nothing reads them; they change
// nothing in the window.
struct FurtherSettings {
    std::int16_t word;
    std::uint8_t byte;
    std::int32_t dword;
    // The window's own name.
    std::string_view text;
};

struct FormLayout {
    std::string_view name;
    std::string_view caption;
    // The client area: its stored position on the screen and its size.
    Twips client;
    // In creation order.
    std::span<const ControlLayout> controls;
    FurtherSettings further;
};

// A control's place in its layout. In a constant expression a name that is not there does
// not compile.
constexpr std::size_t indexOf(std::span<const ControlLayout> controls, std::string_view name)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].name == name)
            return i;
    }
    throw "no control of that name in the layout";
}

// What building a window relies on: names are unique, a control inside a frame comes after
// its frame, and no two controls share a place in the focus order.
constexpr bool isWellFormed(std::span<const ControlLayout> controls)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        bool containerBefore = controls[i].container.empty();
        for (std::size_t j = 0; j < controls.size(); ++j) {
            if (j == i)
                continue;
            if (controls[j].name == controls[i].name)
                return false;
            if (controls[i].tabIndex != kNoTabIndex && controls[j].tabIndex == controls[i].tabIndex)
                return false;
            if (j < i && controls[j].name == controls[i].container && controls[j].kind == ControlClass::Frame)
                containerBefore = true;
        }
        if (!containerBefore)
            return false;
    }
    return true;
}

namespace detail {
template <auto Procedure>
struct ClickThunk;

template <class Window, int (Window::*Procedure)()>
struct ClickThunk<Procedure> {
    static int call(Form& form) { return (static_cast<Window&>(form).*Procedure)(); }
};
} // namespace detail

// A member click procedure of a window class, as a layout's ClickProcedure.
template <auto Procedure>
inline constexpr ClickProcedure bindClick = &detail::ClickThunk<Procedure>::call;

} // namespace forms
