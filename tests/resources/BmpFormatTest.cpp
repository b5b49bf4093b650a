#include "BinaryFile.h"
#include "support/NamedCase.h"
#include "resources/EmbeddedFiles.h"

#include <QImage>

#include <gtest/gtest.h>

#include <span>

namespace {

// The program's pictures: uncompressed 24-bit BMPs with the plain 40-byte header, bottom-up
// rows, no colour table and no resolution.
struct Picture {
    const char* name;
    const char* file;
    std::span<const unsigned char> embedded;
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t fileSize;
};

class BmpPicture : public testing::TestWithParam<Picture> {};

TEST_P(BmpPicture, HasTheFixedHeaderFields)
{
    const Picture& p = GetParam();
    const BinaryFile file = BinaryFile::read(QStringLiteral(DIPOLE_RESOURCE_DIR "/") + p.file);
    const std::uint32_t rowBytes = p.width * 3;
    ASSERT_EQ(rowBytes % 4, 0u) << "rows would need fill bytes";

    EXPECT_EQ(file.size(), p.fileSize);
    EXPECT_EQ(file.size(), 14u + 40 + p.height * rowBytes);
    EXPECT_EQ(file.u16(0), 0x4D42) << "signature BM";
    EXPECT_EQ(file.u32(2), p.fileSize);
    EXPECT_EQ(file.u32(6), 0u) << "reserved";
    EXPECT_EQ(file.u32(10), 54u) << "pixels right after the headers: no colour table";
    EXPECT_EQ(file.u32(14), 40u) << "information header size";
    EXPECT_EQ(file.u32(18), p.width);
    EXPECT_EQ(file.u32(22), p.height) << "positive: bottom row first";
    EXPECT_EQ(file.u16(26), 1) << "planes";
    EXPECT_EQ(file.u16(28), 24) << "bits per pixel";
    EXPECT_EQ(file.u32(30), 0u) << "uncompressed";
    EXPECT_EQ(file.u32(34), p.height * rowBytes) << "image size";
    EXPECT_EQ(file.u32(38), 0u) << "horizontal resolution";
    EXPECT_EQ(file.u32(42), 0u) << "vertical resolution";
    EXPECT_EQ(file.u32(46), 0u) << "colours used";
    EXPECT_EQ(file.u32(50), 0u) << "important colours";
}

TEST_P(BmpPicture, IsEmbeddedAsCommittedAndLoads)
{
    const Picture& p = GetParam();
    EXPECT_TRUE(std::vector<std::uint8_t>(p.embedded.begin(), p.embedded.end())
        == BinaryFile::read(QStringLiteral(DIPOLE_RESOURCE_DIR "/") + p.file).bytes());
    EXPECT_EQ(QImage::fromData(p.embedded.data(), int(p.embedded.size()), "BMP").size(),
        QSize(int(p.width), int(p.height)));
}

INSTANTIATE_TEST_SUITE_P(Resources, BmpPicture,
    testing::Values(Picture{"AntennaSketch", "antenna.bmp", resources::kAntennaSketch, 600, 240, 432054},
        Picture{"AuthorPhoto", "author.bmp", resources::kAuthorPhoto, 600, 389, 700254}),
    caseName);

} // namespace
