#pragma once

#include "forms/core/Layout.h"

#include <windows.h>

namespace forms {

// The font of a window's captions, in the face the core chooses for the layout.
class CaptionFont {
public:
    // Chosen once per layout and kept for the rest of the run.
    static HFONT forLayout(const FormLayout& layout);
    // Whether the caption shows whole in a control of this class and box with the font: the
    // check the choice makes, for a control as it stands on the screen.
    static bool fits(HDC dc, HFONT font, ControlClass kind, const wchar_t* caption, SIZE box);
};

} // namespace forms
