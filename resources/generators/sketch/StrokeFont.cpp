#include "StrokeFont.h"

#include <QTransform>

#include <array>
#include <charconv>
#include <cstring>
#include <stdexcept>

namespace resources {

namespace {

// Forward slant of the lettering: about 12 degrees from upright.
constexpr qreal slant = 0.21;

// Reads numbers one after another from a glyph's stroke text.
class StrokeReader {
public:
    explicit StrokeReader(const char* text) : pos_(text), end_(text + std::strlen(text)) {}

    // The next command letter, or 0 at the end.
    char command()
    {
        skipBlanks();
        return pos_ == end_ ? 0 : *pos_++;
    }

    qreal number()
    {
        skipBlanks();
        double value = 0;
        const auto [next, error] = std::from_chars(pos_, end_, value);
        if (error != std::errc())
            throw std::logic_error("malformed glyph stroke");
        pos_ = next;
        return value;
    }

    QPointF point()
    {
        const qreal x = number();
        return {x, number()};
    }

private:
    void skipBlanks()
    {
        while (pos_ != end_ && (*pos_ == ' ' || *pos_ == ','))
            ++pos_;
    }

    const char* pos_;
    const char* end_;
};

QPainterPath strokePath(const char* strokes)
{
    QPainterPath path;
    StrokeReader reader(strokes);
    for (char command = reader.command(); command != 0; command = reader.command()) {
        switch (command) {
        case 'M':
            path.moveTo(reader.point());
            break;
        case 'L':
            path.lineTo(reader.point());
            break;
        case 'Q': {
            const QPointF control = reader.point();
            path.quadTo(control, reader.point());
            break;
        }
        case 'E': {
            const QPointF centre = reader.point();
            const QPointF radius = reader.point();
            path.addEllipse(centre, radius.x(), radius.y());
            break;
        }
        default:
            throw std::logic_error("unknown glyph stroke command");
        }
    }
    return path;
}

} // namespace

const StrokeFont::Glyph& StrokeFont::glyph(char32_t character)
{
    static const std::array<Glyph, 19> glyphs{{
        {U' ', 0.8, ""},
        {U'A', 4.6, "M0 0 L2.3 10 L4.6 0 M0.8 3.4 L3.8 3.4"},
        {U'B', 4.4, "M0 0 L0 10 L2.6 10 Q4.2 10 4.2 7.6 Q4.2 5.3 2.4 5.3 L0 5.3 M2.4 5.3 Q4.6 5.3 4.6 2.7 "
                    "Q4.6 0 2.5 0 L0 0"},
        {U'L', 4.0, "M0 10 L0 0 L4 0"},
        {U'X', 4.6, "M0 0 L4.6 10 M0 10 L4.6 0"},
        {U'0', 4.6, "E2.3 5 2.3 5"},
        {U'5', 4.4, "M4.2 10 L0.8 10 L0.4 5.6 Q1.4 6.6 2.4 6.6 Q4.6 6.6 4.6 3.3 Q4.6 0 2.3 0 Q0.7 0 0 1.4"},
        {U'\'', 1.0, "M1 10.6 L0.3 7.4"},
        {U',', 1.0, "M1 0.6 L0.9 0 L0 -1.8"},
        {U'<', 5.0, "M5 8 L0 4.5 L5 1"},
        {U'\u2113', 4.0, "M0 1.6 Q2.8 4.2 3.6 7.4 Q4.1 10 2.8 10 Q1.6 10 1.3 7.6 L0.9 2.6 Q0.8 0 2.3 0 Q3.4 0 4 1.1"},
        {U'\u03BB', 4.8, "M0.6 10 Q1.6 10 2 8.8 L4.8 0 M2.6 6.6 L0 0"},
        {U'\u041A', 4.6, "M0 0 L0 10 M4.6 10 L0 4.4 M1.5 6.2 L4.6 0"},
        {U'\u0444', 6.0, "M3 10 L3 -3 E3 3.5 3 3.5"},
        {U'\u0438', 4.2, "M0 7 L0 0 L4.2 7 L4.2 0"},
        {U'\u0434', 5.4, "M0 -2 L0 0 L5.4 0 L5.4 -2 M0.7 0 Q1.7 3 1.8 7 L4.6 7 L4.6 0"},
        {U'\u0435', 4.2, "M0.2 3.6 L4.2 3.6 Q4.2 7 2.1 7 Q0 7 0 3.5 Q0 0 2.2 0 Q3.5 0 4.1 1.2"},
        {U'\u0440', 4.2, "M0 -3 L0 7 M0 5.6 Q0.8 7 2.2 7 Q4.2 7 4.2 3.5 Q4.2 0 2.2 0 Q0.8 0 0 1.4"},
        {U'\u0443', 4.6, "M0 7 L2.5 0.6 M4.6 7 L1.9 -1.8 Q1.5 -3 0.2 -3"},
    }};
    for (const Glyph& g : glyphs) {
        if (g.character == character)
            return g;
    }
    throw std::invalid_argument("the lettering has no glyph for this character");
}

QPainterPath StrokeFont::textPath(std::u32string_view text, QPointF origin, qreal capHeight, qreal spacing)
{
    const qreal scale = capHeight / 10;
    QPainterPath path;
    qreal advance = 0;
    for (const char32_t character : text) {
        const Glyph& g = glyph(character);
        // Grid units to pixels: slant, flip y to point down, scale, place.
        const QTransform toPixels(scale, 0, slant * scale, -scale, origin.x() + advance * scale, origin.y());
        path.addPath(toPixels.map(strokePath(g.strokes)));
        advance += g.width + spacing;
    }
    return path;
}

} // namespace resources
