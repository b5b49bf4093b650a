#pragma once

#include <cstdint>
#include <vector>

namespace resources {

// Builds the little-endian byte layouts of Windows file and resource formats.
class ByteWriter {
public:
    void u8(std::uint8_t value);
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void bytes(const std::vector<std::uint8_t>& more);

    const std::vector<std::uint8_t>& data() const { return data_; }

private:
    std::vector<std::uint8_t> data_;
};

} // namespace resources
