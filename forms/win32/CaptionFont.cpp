#include "forms/win32/CaptionFont.h"

#include "forms/win32/WideText.h"

#include <map>
#include <string>

namespace forms {

namespace {

// 8 points at 96 dots to the inch, the scale of the layouts' pixels.
constexpr int kCharacterHeight = -11;

// The classic dialog font first; a condensed face where the system has it instead (Wine
// without Windows fonts); the last one is taken whatever the system makes of it.
constexpr const wchar_t* kFaces[] = {L"MS Sans Serif", L"Tahoma", L"DejaVu Sans Condensed", L"Arial Narrow",
    L"MS Shell Dlg"};

HFONT createFont(const wchar_t* face)
{
    return CreateFontW(kCharacterHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

bool isRealFace(HDC dc, const wchar_t* face)
{
    wchar_t actual[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, actual);
    return lstrcmpiW(actual, face) == 0;
}

bool fitsLayout(HDC dc, HFONT font, const FormLayout& layout)
{
    for (const ControlLayout& control : layout.controls) {
        const Pixels box = toPixels(control.box);
        if (!CaptionFont::fits(dc, font, control.kind, toWide(control.caption).c_str(), {box.width, box.height}))
            return false;
    }
    return true;
}

} // namespace

bool CaptionFont::fits(HDC dc, HFONT font, ControlClass kind, const wchar_t* caption, SIZE box)
{
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT needed{0, 0, box.cx, 0};
    bool fits = true;
    switch (kind) {
    case ControlClass::Label:
        // Wrapped at word breaks from the top left, as the static control draws it.
        DrawTextW(dc, caption, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_LEFT | DT_NOPREFIX);
        fits = needed.right <= box.cx && needed.bottom <= box.cy;
        break;
    case ControlClass::CommandButton:
    case ControlClass::Frame:
        // One line, with room for the button's edges or the frame's line on either side.
        DrawTextW(dc, caption, -1, &needed, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        fits = needed.right + 8 <= box.cx && needed.bottom + 4 <= box.cy;
        break;
    case ControlClass::TextBox:
    case ControlClass::Image:
        break;
    }
    SelectObject(dc, previous);
    return fits;
}

HFONT CaptionFont::forLayout(const FormLayout& layout)
{
    static std::map<const FormLayout*, HFONT> chosen;
    if (const auto found = chosen.find(&layout); found != chosen.end())
        return found->second;

    HDC dc = GetDC(nullptr);
    HFONT font = nullptr;
    for (const wchar_t* face : kFaces) {
        font = createFont(face);
        const HGDIOBJ previous = SelectObject(dc, font);
        const bool real = isRealFace(dc, face);
        SelectObject(dc, previous);
        if (real && fitsLayout(dc, font, layout))
            break;
        if (face != kFaces[std::size(kFaces) - 1]) {
            DeleteObject(font);
            font = nullptr;
        }
    }
    ReleaseDC(nullptr, dc);
    chosen.emplace(&layout, font);
    return font;
}

} // namespace forms
