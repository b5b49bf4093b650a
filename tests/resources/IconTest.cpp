#include "BinaryFile.h"
#include "support/NamedCase.h"
#include "resources/EmbeddedFiles.h"

#include <QBuffer>
#include <QImageReader>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const QString resourceDir = QStringLiteral(DIPOLE_RESOURCE_DIR);
const QString icoFile = resourceDir + "/ShortDipole.ico";

constexpr QRgb black = 0xFF000000, darkGrey = 0xFF808080, lightGrey = 0xFFC0C0C0, cyan = 0xFF00FFFF,
               white = 0xFFFFFFFF;
const std::vector<QRgb> standardPalette{black, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
    0xFF008080, lightGrey, darkGrey, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, cyan, white};

struct IconCase {
    const char* name;
    int index, size, bitsPerPixel, bytes;
    QRect window, shadow;
    QRgb shadowColour;
    // A column of the window from top to bottom, one colour per run: the outline, the title
    // band, the black line under it, the light-grey line, the inside, the outline.
    std::vector<QRgb> column;
};

// One image of the icon file, decoded from its bitmap.
class IconPixels {
public:
    IconPixels(const BinaryFile& file, std::size_t at, int size, int bitsPerPixel)
        : file_(file), size_(size), bpp_(bitsPerPixel)
    {
        for (int i = 0; i < (1 << bpp_); ++i)
            palette.push_back(0xFF000000 | (file.u32(at + 40 + 4 * i) & 0xFFFFFF));
        colourBits_ = at + 40 + 4 * palette.size();
        maskBits_ = colourBits_ + rowBytes(bpp_) * size_;
    }

    std::vector<QRgb> palette;

    int index(int x, int y) const
    {
        const std::uint8_t byte = file_.u8(colourBits_ + stored(y) * rowBytes(bpp_) + x * bpp_ / 8);
        return byte >> (8 - bpp_ - x * bpp_ % 8) & ((1 << bpp_) - 1);
    }
    QRgb colour(int x, int y) const { return palette.at(index(x, y)); }
    bool transparent(int x, int y) const
    {
        return file_.u8(maskBits_ + stored(y) * rowBytes(1) + x / 8) >> (7 - x % 8) & 1;
    }

private:
    std::size_t rowBytes(int bits) const { return (size_ * bits + 31) / 32 * 4; }
    int stored(int y) const { return size_ - 1 - y; }

    const BinaryFile& file_;
    int size_, bpp_;
    std::size_t colourBits_, maskBits_;
};

class IconImage : public testing::TestWithParam<IconCase> {
protected:
    const BinaryFile file = BinaryFile::read(icoFile);
    std::size_t entry() const { return 6 + 16 * GetParam().index; }
    IconPixels pixels() const
    {
        return IconPixels(file, file.u32(entry() + 12), GetParam().size, GetParam().bitsPerPixel);
    }
};

TEST(IconFile, HoldsThreeImagesBackToBack)
{
    const BinaryFile file = BinaryFile::read(icoFile);
    EXPECT_EQ(file.u16(0), 0);
    EXPECT_EQ(file.u16(2), 1);  // an icon, not a cursor
    ASSERT_EQ(file.u16(4), 3);
    std::size_t next = 6 + 3 * 16;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(file.u32(6 + 16 * i + 12), next) << i;
        next += file.u32(6 + 16 * i + 8);
    }
    EXPECT_EQ(file.size(), next);
}

TEST_P(IconImage, IsDescribedByItsEntryAndHeader)
{
    const IconCase& c = GetParam();
    const std::size_t e = entry(), at = file.u32(e + 12);
    // Entry: width, height, colours, reserved, planes, bits a pixel, bytes. Bitmap header: its
    // size, width, height (doubled: colour bits and mask), planes, bits a pixel, compression.
    const std::vector<std::uint32_t> actual{file.u8(e), file.u8(e + 1), file.u8(e + 2), file.u8(e + 3),
        file.u16(e + 4), file.u16(e + 6), file.u32(e + 8), file.u32(at), file.u32(at + 4), file.u32(at + 8),
        file.u16(at + 12), file.u16(at + 14), file.u32(at + 16)};
    const std::uint32_t size = c.size, bits = c.bitsPerPixel, bytes = c.bytes;
    const std::vector<std::uint32_t> expected{
        size, size, 1u << bits, 0, 1, bits, bytes, 40, size, 2 * size, 1, bits, 0};
    EXPECT_EQ(actual, expected);
    const std::uint32_t colourRow = (size * bits + 31) / 32 * 4, maskRow = (size + 31) / 32 * 4;
    EXPECT_EQ(bytes, 40 + 4 * (1u << bits) + (colourRow + maskRow) * size);
}

TEST_P(IconImage, HasItsStandardPalette)
{
    const std::vector<QRgb> expected = GetParam().bitsPerPixel == 1 ? std::vector<QRgb>{black, white} : standardPalette;
    EXPECT_EQ(pixels().palette, expected);
}

TEST_P(IconImage, IsTransparentOutsideWindowAndShadow)
{
    const IconCase& c = GetParam();
    const IconPixels image = pixels();
    QRect window, shadow;
    for (int y = 0; y < c.size; ++y) {
        for (int x = 0; x < c.size; ++x) {
            if (image.transparent(x, y)) {
                EXPECT_EQ(image.index(x, y), 0) << x << ", " << y;  // adds nothing under the mask
                continue;
            }
            ASSERT_TRUE(c.window.contains(x, y) || c.shadow.contains(x, y)) << x << ", " << y;
            (c.window.contains(x, y) ? window : shadow) |= QRect(x, y, 1, 1);
            if (c.shadow.contains(x, y)) {
                EXPECT_EQ(image.colour(x, y), c.shadowColour) << x << ", " << y;
            }
        }
    }
    EXPECT_EQ(window, c.window);
    EXPECT_EQ(shadow, c.shadow);
}

TEST_P(IconImage, ShowsASlantedWindowWithSteppedTitleBar)
{
    const IconCase& c = GetParam();
    const IconPixels image = pixels();
    int previousTop = -1, previousBottom = -1;
    for (int x = c.window.left(); x <= c.window.right(); ++x) {
        std::vector<QRgb> runs;
        int top = -1, bottom = -1;
        for (int y = 0; y < c.size; ++y) {
            if (image.transparent(x, y))
                continue;
            ASSERT_TRUE(bottom == -1 || bottom == y - 1) << "column " << x << " has a hole";
            top = top == -1 ? y : top;
            bottom = y;
            if (runs.empty() || runs.back() != image.colour(x, y))
                runs.push_back(image.colour(x, y));
        }
        // Top and bottom edges step down towards the right.
        EXPECT_GE(top, previousTop) << x;
        EXPECT_GE(bottom, previousBottom) << x;
        previousTop = top;
        previousBottom = bottom;
        const bool edge = x == c.window.left() || x == c.window.right();
        EXPECT_EQ(runs, edge ? std::vector<QRgb>{black} : c.column) << "column " << x;
    }
    EXPECT_GT(previousTop, c.window.top());
}

INSTANTIATE_TEST_SUITE_P(Icon, IconImage,
    testing::Values(IconCase{"Image30001TwoColours32", 0, 32, 1, 304, QRect(QPoint(5, 6), QPoint(22, 26)),
                        QRect(QPoint(23, 21), QPoint(28, 25)), black, {black, white, black, white, black}},
        IconCase{"Image30002SixteenColours32", 1, 32, 4, 744, QRect(QPoint(5, 6), QPoint(22, 26)),
            QRect(QPoint(23, 21), QPoint(28, 25)), darkGrey, {black, cyan, black, lightGrey, white, black}},
        IconCase{"Image30003SixteenColours16", 2, 16, 4, 296, QRect(QPoint(2, 3), QPoint(11, 13)),
            QRect(QPoint(12, 10), QPoint(14, 12)), darkGrey, {black, cyan, black, lightGrey, white, black}}),
    caseName);

TEST(IconFile, IsWhatItsGeneratorWrites)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(QProcess::execute(DIPOLE_MAKE_ICON, {dir.filePath("icon.ico"), dir.filePath("icon.rc2")}), 0);
    EXPECT_TRUE(BinaryFile::read(dir.filePath("icon.ico")).bytes() == BinaryFile::read(icoFile).bytes());
    EXPECT_TRUE(BinaryFile::read(dir.filePath("icon.rc2")).bytes()
        == BinaryFile::read(resourceDir + "/ShortDipole.rc2").bytes());
}

TEST(IconResource, IsTheCommittedFileAndLoadsInQt)
{
    const std::span<const unsigned char> embedded = resources::kApplicationIcon;
    EXPECT_TRUE(std::vector<std::uint8_t>(embedded.begin(), embedded.end()) == BinaryFile::read(icoFile).bytes());

    QByteArray bytes(reinterpret_cast<const char*>(embedded.data()), qsizetype(embedded.size()));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "ICO");
    ASSERT_EQ(reader.imageCount(), 3);
    const int sizes[] = {32, 32, 16};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        EXPECT_EQ(reader.read().size(), QSize(sizes[i], sizes[i])) << i;
    }
}

} // namespace
