#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace resources {

// A PE32 or PE32+ executable's bytes, and where its resource directory lies among them.
class PeImage {
public:
    // Throws std::runtime_error unless the bytes are a PE image whose resource directory
    // lies inside a section that the file holds in full.
    explicit PeImage(std::vector<std::uint8_t> bytes);

    // Little-endian reads; they throw std::runtime_error past the end of the file.
    std::uint16_t u16(std::size_t offset) const;
    std::uint32_t u32(std::size_t offset) const;

    // The file offset of the resource directory, and how many bytes of its section follow it.
    std::size_t resourceOffset() const { return resourceOffset_; }
    std::size_t resourceSize() const { return resourceSize_; }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t resourceOffset_ = 0;
    std::size_t resourceSize_ = 0;
};

} // namespace resources
