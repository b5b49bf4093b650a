#include "forms/win32/CaptionFont.h"

#include "forms/core/WindowRules.h"
#include "forms/win32/WideText.h"

#include <map>
#include <string>
#include <vector>

namespace forms {

namespace {

HFONT createFont(std::string_view face)
{
    return CreateFontW(-kFontPixelSize, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, toWide(face).c_str());
}

// Whether the system gave the face asked for, not a stand-in.
bool isRealFace(HDC dc, HFONT font, std::string_view face)
{
    const HGDIOBJ previous = SelectObject(dc, font);
    wchar_t actual[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, actual);
    SelectObject(dc, previous);
    return lstrcmpiW(actual, toWide(face).c_str()) == 0;
}

// The room a caption needs with the font, as the static control draws it wrapped at `width`
// from the top left, or as a button or group box draws it on one line.
TextSize measure(HDC dc, HFONT font, ControlClass kind, const wchar_t* caption, int width)
{
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT needed{0, 0, width, 0};
    const UINT format = kind == ControlClass::Label ? DT_WORDBREAK | DT_LEFT : DT_SINGLELINE;
    DrawTextW(dc, caption, -1, &needed, DT_CALCRECT | DT_NOPREFIX | format);
    SelectObject(dc, previous);
    return {needed.right, needed.bottom};
}

} // namespace

bool CaptionFont::fits(HDC dc, HFONT font, ControlClass kind, const wchar_t* caption, SIZE box)
{
    return captionFits(kind, measure(dc, font, kind, caption, box.cx), {box.cx, box.cy});
}

HFONT CaptionFont::forLayout(const FormLayout& layout)
{
    static std::map<const FormLayout*, HFONT> chosen;
    if (const auto found = chosen.find(&layout); found != chosen.end())
        return found->second;

    HDC dc = GetDC(nullptr);
    std::vector<HFONT> tried;
    const auto inFace = [&](std::string_view face) -> CaptionMeasure {
        const HFONT font = tried.emplace_back(createFont(face));
        if (!isRealFace(dc, font, face))
            return {};
        return [dc, font](ControlClass kind, std::string_view caption, int width) {
            return measure(dc, font, kind, toWide(caption).c_str(), width);
        };
    };
    const HFONT font = createFont(fontFace(layout, inFace));
    for (const HFONT unused : tried)
        DeleteObject(unused);
    ReleaseDC(nullptr, dc);
    chosen.emplace(&layout, font);
    return font;
}

} // namespace forms
