// Writes the application icon: the .ico file that Qt loads and the resource script part
// that puts the same images into the Windows executable.

#include "IconGroup.h"

#include <cstdio>
#include <fstream>
#include <iostream>

using resources::IconGroup;
using resources::IconImage;

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: make_icon ICO_FILE RC_PART\n";
        return 2;
    }
    const IconGroup icon(1, {
        {IconImage::slantedWindow(32, 1), 30001},
        {IconImage::slantedWindow(32, 4), 30002},
        {IconImage::slantedWindow(16, 4), 30003},
    });

    const auto ico = icon.icoFile();
    std::ofstream icoFile(argv[1], std::ios::binary);
    icoFile.write(reinterpret_cast<const char*>(ico.data()), static_cast<std::streamsize>(ico.size()));
    std::ofstream script(argv[2], std::ios::binary);
    script << icon.resourceScript();
    if (!icoFile.flush() || !script.flush()) {
        std::cerr << "make_icon: cannot write " << argv[1] << " or " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
