#include "forms/win32/CaptionFont.h"

#include "forms/core/WindowRules.h"
#include "forms/win32/WideText.h"

#include <map>
#include <string_view>

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
    std::map<std::string_view, HFONT> tried;
    const auto inFace = [&](std::string_view face) -> CaptionMeasure {
        const HFONT font = tried.emplace(face, createFont(face)).first->second;
        if (!isRealFace(dc, font, face))
            return {};
        return [dc, font](ControlClass kind, std::string_view caption, int width) {
            return measure(dc, font, kind, toWide(caption).c_str(), width);
        };
    };
    const std::string_view face = fontFace(layout, inFace);
    const auto kept = tried.find(face);
    // The last face is taken untried.
    const HFONT font = kept != tried.end() ? kept->second : createFont(face);
    for (const auto& [name, unused] : tried) {
        if (unused != font)
            DeleteObject(unused);
    }
    ReleaseDC(nullptr, dc);
    chosen.emplace(&layout, font);
    return font;
}

} // namespace forms
