#include "ResourceDirectory.h"

#include "PeImage.h"

#include <stdexcept>

namespace resources {

namespace {

constexpr std::size_t directorySize = 16;
constexpr std::size_t entrySize = 8;
constexpr std::size_t dataEntrySize = 16;
constexpr std::uint32_t subdirectoryFlag = 0x80000000;
constexpr int typeLevel = 0, languageLevel = 2;

} // namespace

ResourceDirectory::ResourceDirectory(const PeImage& image)
{
    walk(image, 0, typeLevel);
    if (dataEntries_.empty())
        throw std::runtime_error("the image has no resources");
}

void ResourceDirectory::walk(const PeImage& image, std::size_t offset, int level)
{
    // Seeing a directory twice means the tree loops back on itself.
    if (!visited_.insert(offset).second)
        throw std::runtime_error("the resource directory loops");
    const std::size_t directory = locate(image, offset, directorySize);
    const std::size_t count = std::size_t{image.u16(directory + 12)} + image.u16(directory + 14);
    locate(image, offset + directorySize, count * entrySize);  // the entries too, before reading any

    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t target = image.u32(directory + directorySize + i * entrySize + 4);
        const bool isDirectory = (target & subdirectoryFlag) != 0;
        if (isDirectory && level == languageLevel)
            throw std::runtime_error("the resource directory is deeper than type, name and language");
        if (!isDirectory && level != languageLevel)
            throw std::runtime_error("a resource data entry stands above the language level");
        if (isDirectory)
            walk(image, target & ~subdirectoryFlag, level + 1);
        else
            dataEntries_.push_back(locate(image, target, dataEntrySize));
    }
}

std::size_t ResourceDirectory::locate(const PeImage& image, std::size_t offset, std::size_t length)
{
    if (offset > image.resourceSize() || length > image.resourceSize() - offset)
        throw std::runtime_error("the resource directory points outside its section");
    return image.resourceOffset() + offset;
}

} // namespace resources
