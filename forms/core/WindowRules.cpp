#include "forms/core/WindowRules.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace forms {

namespace {

// A text box shows what is typed into it and a picture shows no text: neither has a caption
// to fit.
bool showsCaption(ControlClass kind)
{
    return kind == ControlClass::Label || kind == ControlClass::CommandButton || kind == ControlClass::Frame;
}

} // namespace

std::vector<std::size_t> tabOrder(std::span<const ControlLayout> controls)
{
    std::vector<std::size_t> order(controls.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto place = [&](std::size_t i) {
        return std::pair(controls[i].tabIndex == kNoTabIndex, controls[i].tabIndex);
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return place(a) < place(b); });
    return order;
}

std::vector<std::size_t> focusOrder(std::span<const ControlLayout> controls)
{
    std::vector<std::size_t> order = tabOrder(controls);
    std::erase_if(order, [&](std::size_t i) { return !takesFocus(controls[i]); });
    return order;
}

Pixels ontoWorkArea(Pixels window, Pixels workArea)
{
    const auto onto = [](int start, int size, int areaStart, int areaSize) {
        return std::max(areaStart, std::min(start, areaStart + areaSize - size));
    };
    window.left = onto(window.left, window.width, workArea.left, workArea.width);
    window.top = onto(window.top, window.height, workArea.top, workArea.height);
    return window;
}

std::string captionText(const ControlLayout& control)
{
    std::string text(control.caption);
    if (control.kind == ControlClass::CommandButton || control.kind == ControlClass::Frame) {
        for (std::size_t at = text.find('&'); at != std::string::npos; at = text.find('&', at + 2))
            text.insert(at, 1, '&');
    }
    return text;
}

bool captionFits(ControlClass kind, TextSize needed, TextSize box)
{
    if (!showsCaption(kind))
        return true;
    if (kind == ControlClass::Label)
        return needed.width <= box.width && needed.height <= box.height;
    return needed.width + 8 <= box.width && needed.height + 4 <= box.height;
}

std::string_view fontFace(const FormLayout& layout, const std::function<CaptionMeasure(std::string_view face)>& inFace)
{
    const auto fits = [&](std::string_view face) {
        const CaptionMeasure measure = inFace(face);
        return measure && std::all_of(layout.controls.begin(), layout.controls.end(), [&](const ControlLayout& c) {
            if (!showsCaption(c.kind))
                return true;
            const Pixels box = toPixels(c.box);
            return captionFits(c.kind, measure(c.kind, c.caption, box.width), {box.width, box.height});
        });
    };
    const auto last = std::end(kFontFaces) - 1;
    return *std::find_if(std::begin(kFontFaces), last, fits);
}

} // namespace forms
