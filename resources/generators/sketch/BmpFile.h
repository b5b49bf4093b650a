#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

namespace resources {

// A 24-bit BMP as the program carries its pictures: 14-byte file header, 40-byte information
// header with the resolution left 0, no colour table, rows bottom up. (Qt's own writer
// fills in a resolution.)
class BmpFile {
public:
    static std::vector<std::uint8_t> encode(const QImage& image);
};

} // namespace resources
