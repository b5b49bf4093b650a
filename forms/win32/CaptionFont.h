#pragma once

#include "forms/Layout.h"

#include <windows.h>

namespace forms {

// The font of a window's captions: the first of a few 8-point faces that the system really
// has and with which every caption of the layout shows whole in its box.
class CaptionFont {
public:
    // Chosen once per layout and kept for the rest of the run.
    static HFONT forLayout(const FormLayout& layout);
    // Whether the caption shows whole in a control of this class and box with the font.
    static bool fits(HDC dc, HFONT font, ControlClass kind, const wchar_t* caption, SIZE box);
};

} // namespace forms
