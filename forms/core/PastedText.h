#pragma once

#include <string_view>

namespace forms {

// The line of a pasted or dropped UTF-8 text that a single-line field keeps: the first one
// that is not blank, so that a paste starting with an empty line still brings its number. A
// text of nothing but blank lines gives its first line.
std::string_view pastedLine(std::string_view text);

} // namespace forms
