#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <vector>

namespace resources {

class PeImage;

// The resource tree of a PE image, walked from the type directories through the name and
// language directories to the data entries.
class ResourceDirectory {
public:
    // Where a data entry keeps its code page.
    static constexpr std::size_t codePageField = 8;

    // Throws std::runtime_error if the tree is empty, loops, goes deeper than three levels or
    // points outside the resource section.
    explicit ResourceDirectory(const PeImage& image);

    // The file offset of every data entry, in tree order.
    const std::vector<std::size_t>& dataEntries() const { return dataEntries_; }

private:
    void walk(const PeImage& image, std::size_t offset, int level);
    // The file offset of a structure at an offset into the resource directory.
    static std::size_t locate(const PeImage& image, std::size_t offset, std::size_t length);

    std::set<std::size_t> visited_;
    std::vector<std::size_t> dataEntries_;
};

} // namespace resources
