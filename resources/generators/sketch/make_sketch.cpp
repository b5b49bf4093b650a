// Writes the antenna sketch as the 24-bit BMP the program embeds. With a second argument it
// also writes PNG previews there: the full picture and the picture as the main window shows
// it, stretched to 241 x 121.

#include "AntennaSketch.h"
#include "BmpFile.h"
#include "ScannedPaper.h"

#include <QDir>
#include <QImage>

#include <fstream>
#include <iostream>

using resources::AntennaSketch;
using resources::BmpFile;
using resources::ScannedPaper;

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: make_sketch BMP_FILE [PREVIEW_DIR]\n";
        return 2;
    }
    constexpr std::uint64_t noiseSeed = 0x5D1901E;
    const QImage sketch = ScannedPaper::scan(AntennaSketch::ink(), noiseSeed);

    const auto bmp = BmpFile::encode(sketch);
    std::ofstream file(argv[1], std::ios::binary);
    file.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    if (!file.flush()) {
        std::cerr << "make_sketch: cannot write " << argv[1] << "\n";
        return 1;
    }

    if (argc == 3) {
        const QDir dir(QString::fromLocal8Bit(argv[2]));
        const QImage shown = sketch.scaled(241, 121, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (!sketch.save(dir.filePath("antenna-full.png")) || !shown.save(dir.filePath("antenna-241x121.png"))) {
            std::cerr << "make_sketch: cannot write the previews into " << argv[2] << "\n";
            return 1;
        }
    }
    return 0;
}
