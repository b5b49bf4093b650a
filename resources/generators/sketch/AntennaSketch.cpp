#include "AntennaSketch.h"

#include "StrokeFont.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace resources {

namespace {

constexpr qreal linePen = 2.6;
constexpr qreal thinPen = 2.1;
constexpr qreal letterPen = 2.3;

// A wire running from one point to another; its height anywhere along it.
struct Wire {
    QPointF from, to;

    qreal yAt(qreal x) const { return from.y() + (to.y() - from.y()) * (x - from.x()) / (to.x() - from.x()); }
};

class Draughtsman {
public:
    explicit Draughtsman(QPainter& painter) : painter_(painter) {}

    void stroke(const QPainterPath& path, qreal width = linePen)
    {
        painter_.setBrush(Qt::NoBrush);
        painter_.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter_.drawPath(path);
    }

    void line(QPointF from, QPointF to, qreal width = linePen)
    {
        QPainterPath path(from);
        path.lineTo(to);
        stroke(path, width);
    }

    // A filled arrowhead with its tip at `tip`, pointing away from `from`.
    void arrowhead(QPointF from, QPointF tip, qreal length = 11, qreal halfWidth = 3.2)
    {
        const QLineF back = QLineF(tip, from).unitVector();
        const QPointF along(back.dx() * length, back.dy() * length);
        const QPointF across(-back.dy() * halfWidth, back.dx() * halfWidth);
        painter_.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        painter_.setBrush(Qt::black);
        painter_.drawPolygon(QPolygonF{tip, tip + along + across, tip + along - across});
    }

    // A dimension line with an arrowhead at each end.
    void dimension(QPointF from, QPointF to)
    {
        line(from, to, thinPen);
        arrowhead(to, from);
        arrowhead(from, to);
    }

    // An arm: the wire from its outer end with the loading coil's four arches in it, then
    // turning down at its inner end into an arrow pointing down.
    void arm(const Wire& wire, qreal coilOuter, qreal coilInner, qreal archHeight, QPointF arrowTip)
    {
        QPainterPath path(wire.from);
        path.lineTo(coilOuter, wire.yAt(coilOuter));
        const qreal archWidth = (coilInner - coilOuter) / 4;
        for (int i = 0; i < 4; ++i) {
            const qreal left = coilOuter + i * archWidth;
            const qreal base = wire.yAt(left + archWidth / 2);
            // Drawn from the outer end inwards: over the top, left to right or right to left.
            const QRectF box = QRectF(left, base - archHeight, archWidth, 2 * archHeight).normalized();
            path.arcTo(box, archWidth > 0 ? 180 : 0, archWidth > 0 ? -180 : 180);
        }
        path.lineTo(wire.to);
        const QPointF shaftEnd(arrowTip.x() - 0.1, arrowTip.y() - 10);
        path.lineTo(shaftEnd);
        stroke(path);
        arrowhead(wire.to, arrowTip, 13, 4.2);
    }

    void lettering(std::u32string_view text, QPointF origin, qreal capHeight, qreal spacing = 1.6)
    {
        stroke(StrokeFont::textPath(text, origin, capHeight, spacing), letterPen);
    }

private:
    QPainter& painter_;
};

} // namespace

QImage AntennaSketch::ink()
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Draughtsman pen(painter);
    // Coordinates are those of a pen drawing scanned a little askew: lines meant level rise
    // slightly towards the right, lines meant upright lean right going down. Nothing reaches
    // below row 211.

    // The two arms, the left coil from x 112 to 208, the right one from 514 to 424.
    pen.arm(Wire{{52, 95}, {292, 93.5}}, 112, 208, 11.2, {292.8, 134});
    pen.arm(Wire{{572, 89.2}, {338, 90.8}}, 514, 424, 10.7, {338.8, 133});
    pen.lettering(U"L0", {151.2, 73.8}, 19.5, 3.2);
    pen.lettering(U"L0'", {464.2, 69.8}, 23);

    // The feed point, and the dimensions A and B measured from it.
    pen.line({314, 26}, {314.6, 102}, thinPen);
    // The left outer extension line serves A and the overall length.
    pen.line({50, 30}, {58, 210.6});
    pen.dimension({52.3, 33.6}, {313.4, 32.6});
    pen.lettering(U"A", {183.2, 25.8}, 17.5);
    pen.line({208.3, 89}, {207.5, 57.5}, thinPen);
    pen.dimension({208.6, 63.8}, {313.6, 62.8});
    pen.lettering(U"B", {251.2, 56.8}, 16.5);

    // The feed terminals under the arrows.
    pen.lettering(U"X", {286.2, 157}, 18);
    pen.lettering(U"X'", {333.2, 157}, 18);
    pen.lettering(U"К фидеру", {363.2, 156.5}, 19, 2.9);

    // The overall length, under half a wavelength.
    pen.line({570, 97}, {570.8, 200});
    pen.dimension({58.5, 202}, {569.4, 190});
    pen.lettering(U"ℓ < 0,5λ", {283.2, 186.5}, 17.5, 3.3);
    return image;
}

} // namespace resources
