#include "BmpFile.h"

#include "../ByteWriter.h"

namespace resources {

std::vector<std::uint8_t> BmpFile::encode(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width();
    const int height = rgb.height();
    const std::uint32_t rowBytes = (3 * width + 3) / 4 * 4;
    const std::uint32_t headersSize = 14 + 40;
    const std::uint32_t imageSize = rowBytes * height;

    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(headersSize + imageSize);
    out.u32(0);
    out.u32(headersSize);

    out.u32(40);
    out.u32(width);
    out.u32(height);  // positive: bottom row first
    out.u16(1);
    out.u16(24);
    out.u32(0);  // uncompressed
    out.u32(imageSize);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);

    for (int y = height - 1; y >= 0; --y) {
        const uchar* line = rgb.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            out.u8(line[3 * x + 2]);
            out.u8(line[3 * x + 1]);
            out.u8(line[3 * x]);
        }
        for (std::uint32_t fill = 3 * width; fill < rowBytes; ++fill)
            out.u8(0);
    }
    return out.data();
}

} // namespace resources
