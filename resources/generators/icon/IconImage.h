#pragma once

#include <cstdint>
#include <vector>

namespace resources {

// One image of the application icon: a palette index and a transparency bit for each pixel.
class IconImage {
public:
    // The blank window drawn at a slant, with its stepped title bar and its shadow, in a
    // 32 x 32 or 16 x 16 image of 1 or 4 bits a pixel.
    static IconImage slantedWindow(int size, int bitsPerPixel);

    int size() const { return size_; }
    int bitsPerPixel() const { return bitsPerPixel_; }
    int colourCount() const { return 1 << bitsPerPixel_; }

    // The image as an icon file and an icon resource hold it: information header (height
    // doubled for the mask), palette, colour bits and mask bits, each row bottom up.
    std::vector<std::uint8_t> bitmapBytes() const;

private:
    // The colours of the picture; the 2-colour image maps them to black or white.
    enum class Colour { Black, DarkGrey, LightGrey, Cyan, White };

    IconImage(int size, int bitsPerPixel);

    void paint(int x, int y, Colour colour);
    static int rowBytes(int width, int bitsPerPixel);

    int size_;
    int bitsPerPixel_;
    std::vector<std::uint8_t> index_;  // palette index, row by row from the top
    std::vector<bool> transparent_;
};

} // namespace resources
