#include "ResourceFile.h"

#include <stdexcept>

namespace {

std::size_t alignedTo4(std::size_t offset)
{
    return (offset + 3) & ~std::size_t{3};
}

// A type or a name: 0xFFFF and an ordinal, or a zero-terminated UTF-16 string (-1 here).
int readId(const BinaryFile& file, std::size_t& offset)
{
    if (file.u16(offset) == 0xFFFF) {
        offset += 4;
        return file.u16(offset - 2);
    }
    while (file.u16(offset) != 0)
        offset += 2;
    offset += 2;
    return -1;
}

} // namespace

ResourceFile::ResourceFile(const BinaryFile& file)
{
    // The first entry is empty: it only marks the file as a 32-bit one.
    if (file.u32(0) != 0 || file.u32(4) != 32 || file.u16(8) != 0xFFFF || file.u16(12) != 0xFFFF)
        throw std::runtime_error("not a 32-bit resource file");
    for (std::size_t start = 32; start < file.size();) {
        const std::uint32_t dataSize = file.u32(start);
        const std::uint32_t headerSize = file.u32(start + 4);
        std::size_t offset = start + 8;
        const int type = readId(file, offset);
        const int name = readId(file, offset);
        offset = alignedTo4(offset);
        const std::uint16_t language = file.u16(offset + 6);
        entries_.push_back({type, name, language, file.slice(start + headerSize, dataSize)});
        start = alignedTo4(start + headerSize + dataSize);
    }
}
