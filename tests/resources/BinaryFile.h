#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// A file's bytes with bounds-checked little-endian reads, for taking Windows formats apart.
class BinaryFile {
public:
    explicit BinaryFile(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    // A file on disk or an embedded resource (":/...").
    static BinaryFile read(const QString& path);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

    std::size_t size() const { return bytes_.size(); }
    std::uint8_t u8(std::size_t offset) const;
    std::uint16_t u16(std::size_t offset) const;
    std::uint32_t u32(std::size_t offset) const;
    std::vector<std::uint8_t> slice(std::size_t offset, std::size_t length) const;

private:
    std::vector<std::uint8_t> bytes_;
};
