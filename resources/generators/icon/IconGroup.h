#pragma once

#include "IconImage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace resources {

class ByteWriter;

// The application icon: its images in order, each with its resource number, written as an
// .ico file and as the raw resources of a resource script.
class IconGroup {
public:
    struct Member {
        IconImage image;
        int resourceId;
    };

    IconGroup(int groupId, std::vector<Member> members);

    std::vector<std::uint8_t> icoFile() const;

    // The icon group resource: the .ico directory with resource numbers in place of offsets.
    std::vector<std::uint8_t> groupResource() const;

    // The group and its images as language-neutral raw resources (types 14 and 3). A
    // resource compiler's ICON statement would number the images itself; written raw, they
    // keep the numbers given here.
    std::string resourceScript() const;

private:
    struct Entry {
        std::vector<std::uint8_t> bytes;
        int size, colourCount, bitsPerPixel, resourceId;
    };

    // The directory header and, for each image, its entry up to the byte count.
    void writeDirectory(ByteWriter& out, const auto& lastField) const;

    int groupId_;
    std::vector<Entry> entries_;
};

} // namespace resources
