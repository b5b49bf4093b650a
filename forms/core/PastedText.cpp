#include "forms/core/PastedText.h"

#include "forms/numeric/Numeric.h"

#include <optional>

namespace forms {

namespace {

constexpr std::string_view kLineBreaks[] = {"\r", "\n", "\v", "\f", "\u0085", "\u2028", "\u2029"};

// The length of the line break that `s` starts with, or 0.
std::size_t lineBreakAt(std::string_view s)
{
    for (const std::string_view lineBreak : kLineBreaks) {
        if (s.starts_with(lineBreak))
            return lineBreak.size();
    }
    return 0;
}

} // namespace

std::string_view pastedLine(std::string_view text)
{
    std::optional<std::string_view> first;
    for (;;) {
        std::size_t end = 0;
        std::size_t lineBreak = 0;
        while (end < text.size() && (lineBreak = lineBreakAt(text.substr(end))) == 0)
            ++end;
        const std::string_view line = text.substr(0, end);
        if (!isBlankText(line))
            return line;
        if (!first)
            first = line;
        if (end == text.size())
            return *first;
        text.remove_prefix(end + lineBreak);
    }
}

} // namespace forms
