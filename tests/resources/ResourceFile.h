#pragma once

#include "BinaryFile.h"

#include <cstdint>
#include <string>
#include <vector>

// The entries of a 32-bit binary resource file (.res), as a resource compiler writes them.
class ResourceFile {
public:
    struct Entry {
        int type;  // ordinal, or -1 for a named type
        int name;  // ordinal, or -1 for a name
        std::uint16_t language;
        std::vector<std::uint8_t> data;
    };

    explicit ResourceFile(const BinaryFile& file);

    // Every entry after the empty one that opens the file, in file order.
    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};
