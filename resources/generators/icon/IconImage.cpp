#include "IconImage.h"

#include "../ByteWriter.h"

#include <array>
#include <stdexcept>

namespace resources {

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

// The standard 16-colour (VGA) palette, in its Windows order.
constexpr std::array<Rgb, 16> standardPalette{{
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
}};
constexpr std::array<Rgb, 2> monochromePalette{{{0x00, 0x00, 0x00}, {0xFF, 0xFF, 0xFF}}};

// Where the window and its shadow stand. Both are columns of equal height whose top steps
// one row down every `step` columns towards the right.
struct Geometry {
    int left, right, top, height, step, titleBand;
    int shadowLeft, shadowRight, shadowTop, shadowHeight;
};

constexpr Geometry geometry32{5, 22, 6, 16, 3, 2, 23, 28, 21, 4};
constexpr Geometry geometry16{2, 11, 3, 7, 2, 1, 12, 14, 10, 2};

} // namespace

IconImage::IconImage(int size, int bitsPerPixel)
    : size_(size), bitsPerPixel_(bitsPerPixel), index_(size * size, 0), transparent_(size * size, true)
{
}

IconImage IconImage::slantedWindow(int size, int bitsPerPixel)
{
    if ((size != 32 && size != 16) || (bitsPerPixel != 1 && bitsPerPixel != 4))
        throw std::invalid_argument("the icon comes in 32 or 16 pixels, 1 or 4 bits a pixel");
    const Geometry& g = size == 32 ? geometry32 : geometry16;
    IconImage image(size, bitsPerPixel);

    for (int x = g.left; x <= g.right; ++x) {
        const int top = g.top + (x - g.left) / g.step;
        const int bottom = top + g.height - 1;
        const bool edge = x == g.left || x == g.right;
        for (int y = top; y <= bottom; ++y) {
            const int row = y - top;
            Colour colour = Colour::White;
            if (edge || row == 0 || y == bottom || row == g.titleBand + 1)
                colour = Colour::Black;
            else if (row <= g.titleBand)
                colour = Colour::Cyan;
            else if (row == g.titleBand + 2)
                colour = Colour::LightGrey;
            image.paint(x, y, colour);
        }
    }
    // The shadow keeps to the window's slant.
    for (int x = g.shadowLeft; x <= g.shadowRight; ++x) {
        const int top = g.shadowTop + (x - g.shadowLeft) / g.step;
        for (int y = top; y < top + g.shadowHeight; ++y)
            image.paint(x, y, Colour::DarkGrey);
    }
    return image;
}

void IconImage::paint(int x, int y, Colour colour)
{
    std::uint8_t index = 0;
    if (bitsPerPixel_ == 1) {
        // In two colours the title bar is white and the shadow black.
        index = colour == Colour::Black || colour == Colour::DarkGrey ? 0 : 1;
    } else {
        constexpr std::array<std::uint8_t, 5> vgaIndex{0, 8, 7, 14, 15};
        index = vgaIndex[static_cast<int>(colour)];
    }
    index_[y * size_ + x] = index;
    transparent_[y * size_ + x] = false;
}

int IconImage::rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

std::vector<std::uint8_t> IconImage::bitmapBytes() const
{
    const int colourRow = rowBytes(size_, bitsPerPixel_);
    const int maskRow = rowBytes(size_, 1);
    std::vector<std::uint8_t> colourBits(colourRow * size_, 0);
    std::vector<std::uint8_t> maskBits(maskRow * size_, 0);
    for (int y = 0; y < size_; ++y) {
        const int storedRow = size_ - 1 - y;
        for (int x = 0; x < size_; ++x) {
            const int bit = x * bitsPerPixel_;
            const int shift = 8 - bitsPerPixel_ - bit % 8;
            // Transparent pixels keep colour index 0, so the colour bits add nothing there.
            colourBits[storedRow * colourRow + bit / 8] |= static_cast<std::uint8_t>(index_[y * size_ + x] << shift);
            if (transparent_[y * size_ + x])
                maskBits[storedRow * maskRow + x / 8] |= static_cast<std::uint8_t>(0x80 >> x % 8);
        }
    }

    ByteWriter out;
    out.u32(40);
    out.u32(size_);
    out.u32(2 * size_);
    out.u16(1);
    out.u16(bitsPerPixel_);
    out.u32(0);  // uncompressed
    out.u32(static_cast<std::uint32_t>(colourBits.size() + maskBits.size()));
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    const auto writePalette = [&out](const auto& palette) {
        for (const Rgb& c : palette) {
            out.u8(c.b);
            out.u8(c.g);
            out.u8(c.r);
            out.u8(0);
        }
    };
    if (bitsPerPixel_ == 1)
        writePalette(monochromePalette);
    else
        writePalette(standardPalette);
    out.bytes(colourBits);
    out.bytes(maskBits);
    return out.data();
}

} // namespace resources
