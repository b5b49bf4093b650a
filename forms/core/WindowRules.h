#pragma once

// The rules both sides follow in building a window, worked out here from the layout and the
// screen; each side only realises the result with its own toolkit.

#include "forms/core/Layout.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

// Every control in the order Tab visits it: by TabIndex, those without one last, in layout
// order.
std::vector<std::size_t> tabOrder(std::span<const ControlLayout> controls);

// Whether the control takes the focus: buttons and text boxes with a place in the focus order
// do; labels, frames and pictures do not.
constexpr bool takesFocus(const ControlLayout& control)
{
    return (control.kind == ControlClass::CommandButton || control.kind == ControlClass::TextBox)
        && control.tabIndex != kNoTabIndex;
}

// The controls that take the focus, in tab order. The window opens with the focus on the
// first of them.
std::vector<std::size_t> focusOrder(std::span<const ControlLayout> controls);

// Where a window goes so that the whole of it, frame included, stays on the work area: moved
// onto it as little as needed, or, too large for it, with its top left corner on it.
Pixels ontoWorkArea(Pixels window, Pixels workArea);

// The text a control shows. Captions carry no access keys: where the platform would take
// '&' for one, on buttons and frames, it is doubled.
std::string captionText(const ControlLayout& control);

// The windows' font: 8 points at 96 dots to the inch.
inline constexpr int kFontPixelSize = 11;
// The faces to try, in order: the classic dialog font first; a condensed face where the
// system lacks it (the program carries DejaVu Sans Condensed); the last is taken whatever the
// system makes of it.
inline constexpr std::string_view kFontFaces[] = {
    "MS Sans Serif", "Tahoma", "DejaVu Sans Condensed", "Arial Narrow", "MS Shell Dlg"};

struct TextSize {
    int width;
    int height;
};

// Whether a caption that needs `needed` shows whole in a control of the class whose box is
// `box`: a label's wraps at word breaks from the top left, a button's or frame's stands on one
// line with room for the edges on either side.
bool captionFits(ControlClass kind, TextSize needed, TextSize box);

// The side's measure of captions in one face: the room a caption needs, wrapped at `width`
// for a label, on one line otherwise.
using CaptionMeasure = std::function<TextSize(ControlClass kind, std::string_view caption, int width)>;

// The face for a window's captions: the first of kFontFaces that the system really has and
// with which every caption of the layout fits its box. `inFace` gives the measure in a face,
// or nothing where the system does not have that face.
std::string_view fontFace(const FormLayout& layout, const std::function<CaptionMeasure(std::string_view face)>& inFace);

} // namespace forms
