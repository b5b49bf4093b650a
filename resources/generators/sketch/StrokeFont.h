#pragma once

#include <QPainterPath>
#include <QPointF>

#include <string_view>

namespace resources {

// Slanted technical lettering drawn as pen strokes, so the sketch does not depend on the
// fonts a machine has installed. Glyphs are designed on a grid with the capitals 10 units
// high and the lower case 7; the pen that strokes the path gives the line weight.
class StrokeFont {
public:
    // The centre lines of the strokes of `text`, its baseline starting at `origin`, capitals
    // `capHeight` pixels high. `spacing` is the gap between letters, in grid units.
    static QPainterPath textPath(std::u32string_view text, QPointF origin, qreal capHeight, qreal spacing = 1.6);

private:
    struct Glyph {
        char32_t character;
        qreal width;
        // Strokes in a small path language, y upwards from the baseline: "M x y" moves,
        // "L x y" draws a line, "Q cx cy x y" a quadratic curve, "E cx cy rx ry" an ellipse.
        const char* strokes;
    };

    static const Glyph& glyph(char32_t character);
};

} // namespace resources
