#include "ByteWriter.h"

namespace resources {

void ByteWriter::u8(std::uint8_t value)
{
    data_.push_back(value);
}

void ByteWriter::u16(std::uint16_t value)
{
    u8(static_cast<std::uint8_t>(value));
    u8(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::u32(std::uint32_t value)
{
    u16(static_cast<std::uint16_t>(value));
    u16(static_cast<std::uint16_t>(value >> 16));
}

void ByteWriter::bytes(const std::vector<std::uint8_t>& more)
{
    data_.insert(data_.end(), more.begin(), more.end());
}

} // namespace resources
