// Sets the code page of every resource data entry in a Windows executable. GNU ld leaves it
// at 0 and windres cannot be told otherwise; the program's resources give 1200 (UTF-16).

#include "PeImage.h"
#include "ResourceDirectory.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string_view>

using resources::PeImage;
using resources::ResourceDirectory;

namespace {

std::vector<std::uint8_t> readFile(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open the file");
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Writes only the four bytes of each code page field, so nothing else in the file can change.
void writeCodePage(const char* path, const std::vector<std::size_t>& dataEntries, std::uint32_t codePage)
{
    const char field[4] = {static_cast<char>(codePage), static_cast<char>(codePage >> 8),
        static_cast<char>(codePage >> 16), static_cast<char>(codePage >> 24)};
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    for (const std::size_t entry : dataEntries) {
        file.seekp(static_cast<std::streamoff>(entry + ResourceDirectory::codePageField));
        file.write(field, sizeof field);
    }
    if (!file.flush())
        throw std::runtime_error("cannot write the file");
}

std::optional<std::uint32_t> parseCodePage(std::string_view text)
{
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<std::uint32_t> codePage = argc == 3 ? parseCodePage(argv[2]) : std::nullopt;
    if (!codePage) {
        std::cerr << "usage: set_resource_codepage EXECUTABLE CODE_PAGE\n";
        return 2;
    }
    try {
        const PeImage image(readFile(argv[1]));
        const ResourceDirectory resources(image);
        writeCodePage(argv[1], resources.dataEntries(), *codePage);
    } catch (const std::exception& e) {
        std::cerr << "set_resource_codepage: " << argv[1] << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
