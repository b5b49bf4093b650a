#include "PeImage.h"

#include <stdexcept>
#include <utility>

namespace resources {

namespace {

constexpr std::uint16_t mzSignature = 0x5A4D;      // "MZ"
constexpr std::uint32_t peSignature = 0x00004550;  // "PE\0\0"
constexpr std::size_t peOffsetField = 0x3C;
constexpr std::size_t fileHeaderSize = 20;
constexpr std::uint16_t pe32Magic = 0x10B, pe32PlusMagic = 0x20B;
// Where the data directories start in the optional header; PE32+ has wider fields before them.
constexpr std::size_t pe32Directories = 96, pe32PlusDirectories = 112;
constexpr std::size_t resourceDirectoryIndex = 2;
constexpr std::size_t sectionHeaderSize = 40;

} // namespace

PeImage::PeImage(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes))
{
    if (bytes_.size() < 2 || u16(0) != mzSignature)
        throw std::runtime_error("not a PE image: no MZ header");
    const std::size_t fileHeader = u32(peOffsetField) + std::size_t{4};
    if (u32(fileHeader - 4) != peSignature)
        throw std::runtime_error("not a PE image: no PE signature");
    const std::size_t sectionCount = u16(fileHeader + 2);
    const std::size_t optionalHeaderSize = u16(fileHeader + 16);
    const std::size_t optionalHeader = fileHeader + fileHeaderSize;

    const std::uint16_t magic = u16(optionalHeader);
    if (magic != pe32Magic && magic != pe32PlusMagic)
        throw std::runtime_error("neither a PE32 nor a PE32+ image");
    const std::size_t directories = magic == pe32Magic ? pe32Directories : pe32PlusDirectories;
    const std::size_t directoryCount = u32(optionalHeader + directories - 4);
    const std::size_t resourceEntry = directories + 8 * resourceDirectoryIndex;
    if (directoryCount <= resourceDirectoryIndex || resourceEntry + 8 > optionalHeaderSize
        || u32(optionalHeader + resourceEntry) == 0)
        throw std::runtime_error("the image has no resources");
    const std::uint32_t resourceAddress = u32(optionalHeader + resourceEntry);

    const std::size_t sectionTable = optionalHeader + optionalHeaderSize;
    for (std::size_t i = 0; i < sectionCount; ++i) {
        const std::size_t header = sectionTable + i * sectionHeaderSize;
        const std::uint32_t address = u32(header + 12);
        const std::uint32_t rawSize = u32(header + 16);
        const std::uint32_t rawOffset = u32(header + 20);
        if (resourceAddress < address || resourceAddress - address >= rawSize)
            continue;
        if (rawOffset > bytes_.size() || rawSize > bytes_.size() - rawOffset)
            throw std::runtime_error("the resource section runs past the end of the file");
        resourceOffset_ = rawOffset + std::size_t{resourceAddress - address};
        resourceSize_ = rawSize - std::size_t{resourceAddress - address};
        return;
    }
    throw std::runtime_error("the resource directory lies outside every section in the file");
}

std::uint16_t PeImage::u16(std::size_t offset) const
{
    if (offset > bytes_.size() || bytes_.size() - offset < 2)
        throw std::runtime_error("truncated: a header reaches past the end of the file");
    return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
}

std::uint32_t PeImage::u32(std::size_t offset) const
{
    return u16(offset) | static_cast<std::uint32_t>(u16(offset + 2)) << 16;
}

} // namespace resources
