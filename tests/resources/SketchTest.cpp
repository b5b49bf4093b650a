#include "BinaryFile.h"
#include "support/NamedCase.h"
#include "resources/EmbeddedFiles.h"

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

const QString sketchFile = QStringLiteral(DIPOLE_RESOURCE_DIR "/antenna.bmp");

TEST(SketchFile, IsWhatItsGeneratorDraws)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString regenerated = dir.filePath("antenna.bmp");
    ASSERT_EQ(QProcess::execute(DIPOLE_MAKE_SKETCH, {regenerated}), 0);
    EXPECT_TRUE(BinaryFile::read(regenerated).bytes() == BinaryFile::read(sketchFile).bytes());
}

// The picture as the program loads it, with the tests' reading of ink and paper.
class Sketch {
public:
    static const QImage& image()
    {
        static const QImage image = QImage::fromData(resources::kAntennaSketch.data(), int(resources::kAntennaSketch.size()), "BMP").convertToFormat(QImage::Format_RGB32);
        return image;
    }
    static int grey(int x, int y)
    {
        const QRgb p = image().pixel(x, y);
        return (qRed(p) + qGreen(p) + qBlue(p)) / 3;
    }
    static bool ink(int x, int y) { return grey(x, y) < 128; }
    // White with at most the faint noise of the scan.
    static bool paper(int x, int y)
    {
        const QRgb p = image().pixel(x, y);
        return std::min({qRed(p), qGreen(p), qBlue(p)}) >= 230;
    }
    static bool inkWithin(int x0, int y0, int x1, int y1)
    {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (ink(x, y))
                    return true;
        return false;
    }
};

// A straight line of the drawing from the picture's table of elements, and a point in its
// plain middle where its thickness is measured.
struct Line {
    const char* name;
    QPoint from, to, measureAt;
};

class SketchLine : public testing::TestWithParam<Line> {};

TEST_P(SketchLine, HasInkAlongItsWholeCourse)
{
    const Line& l = GetParam();
    const bool level = std::abs(l.to.x() - l.from.x()) >= std::abs(l.to.y() - l.from.y());
    const int start = level ? l.from.x() : l.from.y();
    const int end = level ? l.to.x() : l.to.y();
    const int step = end > start ? 1 : -1;
    for (int t = start + 2 * step; t != end - 2 * step; t += step) {
        const double share = double(t - start) / (end - start);
        const int across = level ? l.from.y() + int(std::lround(share * (l.to.y() - l.from.y())))
                                 : l.from.x() + int(std::lround(share * (l.to.x() - l.from.x())));
        const bool found = level ? Sketch::inkWithin(t, across - 3, t, across + 3)
                                 : Sketch::inkWithin(across - 3, t, across + 3, t);
        ASSERT_TRUE(found) << "no ink near " << (level ? t : across) << ", " << (level ? across : t);
    }
}

TEST_P(SketchLine, IsTwoToThreePixelsThick)
{
    const Line& l = GetParam();
    const bool level = std::abs(l.to.x() - l.from.x()) >= std::abs(l.to.y() - l.from.y());
    std::string profile;
    for (int d = -5; d <= 5; ++d) {
        const int x = l.measureAt.x() + (level ? 0 : d);
        const int y = l.measureAt.y() + (level ? d : 0);
        profile += Sketch::grey(x, y) < 160 ? '#' : '.';
    }
    // One dark run across the line, of two or three pixels.
    const auto first = profile.find('#');
    const auto last = profile.rfind('#');
    ASSERT_NE(first, std::string::npos) << profile;
    EXPECT_EQ(profile.find('.', first), last + 1) << profile;
    EXPECT_GE(last - first + 1, 2u) << profile;
    EXPECT_LE(last - first + 1, 3u) << profile;
}

INSTANTIATE_TEST_SUITE_P(Sketch, SketchLine,
    testing::Values(Line{"LeftArmOuterWire", {52, 94}, {112, 94}, {80, 94}},
        Line{"LeftArmInnerWire", {208, 94}, {292, 94}, {250, 94}},
        Line{"LeftArrow", {292, 94}, {292, 134}, {292, 110}},
        Line{"RightArmOuterWire", {572, 90}, {514, 90}, {540, 90}},
        Line{"RightArmInnerWire", {424, 90}, {338, 90}, {380, 90}},
        Line{"RightArrow", {338, 90}, {338, 133}, {338, 110}},
        Line{"CentreLine", {314, 26}, {314, 102}, {314, 85}},
        Line{"DimensionA", {52, 33}, {314, 33}, {120, 33}},
        Line{"DimensionB", {208, 63}, {314, 63}, {235, 63}},
        Line{"ExtensionLineOfB", {208, 63}, {208, 84}, {208, 75}},
        Line{"LeftOuterExtensionLine", {50, 30}, {58, 211}, {54, 140}},
        Line{"RightOuterExtensionLine", {570, 97}, {570, 200}, {570, 150}},
        Line{"OverallLength", {58, 202}, {570, 190}, {200, 199}}),
    caseName);

struct Area {
    const char* name;
    QRect box;
};

class SketchCoil : public testing::TestWithParam<Area> {};

TEST_P(SketchCoil, IsFourArchesRisingFromTheWire)
{
    const QRect box = GetParam().box;
    int arches = 0;
    bool inApex = false;
    // The ends are the coil's feet on the wire; the left one's inner foot carries the
    // extension line of B.
    for (int x = box.left() + 3; x <= box.right() - 3; ++x) {
        int top = box.bottom() + 1;
        for (int y = box.top() - 4; y <= box.bottom() && top > box.bottom(); ++y)
            if (Sketch::ink(x, y))
                top = y;
        ASSERT_LE(top, box.bottom()) << "gap in the coil at x " << x;
        ASSERT_GE(top, box.top() - 3) << "coil too high at x " << x;
        const bool apex = top <= box.top() + 4;
        arches += apex && !inApex;
        inApex = apex;
    }
    EXPECT_EQ(arches, 4);
}

INSTANTIATE_TEST_SUITE_P(Sketch, SketchCoil,
    testing::Values(Area{"LeftCoil", QRect(QPoint(112, 82), QPoint(208, 97))},
        Area{"RightCoil", QRect(QPoint(424, 78), QPoint(514, 92))}),
    caseName);

class SketchLettering : public testing::TestWithParam<Area> {};

TEST_P(SketchLettering, FillsItsBox)
{
    const QRect box = GetParam().box;
    const QRect search = box.adjusted(-3, -3, 3, 3);
    QRect inked;
    for (int y = search.top(); y <= search.bottom(); ++y)
        for (int x = search.left(); x <= search.right(); ++x)
            if (Sketch::ink(x, y))
                inked |= QRect(x, y, 1, 1);
    ASSERT_FALSE(inked.isNull());
    EXPECT_LE(std::abs(inked.left() - box.left()), 3);
    EXPECT_LE(std::abs(inked.right() - box.right()), 3);
    EXPECT_LE(std::abs(inked.top() - box.top()), 3);
    EXPECT_LE(std::abs(inked.bottom() - box.bottom()), 3);
}

INSTANTIATE_TEST_SUITE_P(Sketch, SketchLettering,
    testing::Values(Area{"A", QRect(QPoint(182, 7), QPoint(193, 27))},
        Area{"B", QRect(QPoint(250, 39), QPoint(263, 58))},
        Area{"L0", QRect(QPoint(150, 53), QPoint(179, 75))},
        Area{"L0Prime", QRect(QPoint(463, 44), QPoint(497, 71))},
        // The feed terminals' row runs from 133 to 163 with the descenders of "фидеру";
        // the capitals stand on its baseline, below the arrow tips.
        Area{"X", QRect(QPoint(285, 137), QPoint(297, 157))},
        Area{"XPrime", QRect(QPoint(332, 137), QPoint(352, 157))},
        Area{"ToFeeder", QRect(QPoint(362, 136), QPoint(470, 163))},
        Area{"LengthNote", QRect(QPoint(282, 169), QPoint(368, 190))}),
    caseName);

class SketchBlank : public testing::TestWithParam<Area> {};

TEST_P(SketchBlank, IsPaperOnly)
{
    const QRect box = GetParam().box;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            ASSERT_TRUE(Sketch::paper(x, y)) << "mark at " << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(Sketch, SketchBlank,
    testing::Values(Area{"RowsBelowTheDrawing", QRect(QPoint(0, 212), QPoint(599, 239))},
        // The strip the caption above the picture shares with it.
        Area{"TopRows", QRect(QPoint(0, 0), QPoint(599, 4))},
        Area{"LeftMargin", QRect(QPoint(0, 0), QPoint(44, 239))},
        Area{"RightMargin", QRect(QPoint(578, 0), QPoint(599, 239))},
        Area{"BetweenTheArrows", QRect(QPoint(300, 106), QPoint(328, 130))},
        Area{"UnderTheLeftArm", QRect(QPoint(64, 102), QPoint(278, 185))},
        Area{"UnderTheRightArm", QRect(QPoint(350, 100), QPoint(560, 128))},
        Area{"AboveTheRightArm", QRect(QPoint(324, 0), QPoint(599, 40))},
        Area{"BetweenDimensionAAndTheLeftArm", QRect(QPoint(64, 38), QPoint(105, 88))},
        Area{"BesideTheLengthNote", QRect(QPoint(380, 168), QPoint(560, 185))}),
    caseName);

} // namespace
