#pragma once

// Where the program finds its embedded pictures (link dipole_resources).

#include <string_view>

namespace resources {

// The antenna sketch of the main window: a 600 x 240 BMP, shown stretched to its box.
inline constexpr std::string_view kAntennaSketch = ":/pictures/antenna.bmp";

// The photograph of the author window: a 600 x 389 BMP, shown stretched to its box.
inline constexpr std::string_view kAuthorPhoto = ":/pictures/author.bmp";

// The application icon: 32 x 32 in 2 and in 16 colours, 16 x 16 in 16 colours.
inline constexpr std::string_view kApplicationIcon = ":/icons/ShortDipole.ico";

// The windows' font, DejaVu Sans Condensed.
inline constexpr std::string_view kWindowFont = ":/fonts/DejaVuSansCondensed.ttf";

// Qt's translation of its own texts into Russian.
inline constexpr std::string_view kToolkitTranslation = ":/translations/qtbase_ru.qm";

} // namespace resources
