#include "BinaryFile.h"

#include <QFile>

#include <stdexcept>

BinaryFile BinaryFile::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot open " + path.toStdString());
    const QByteArray bytes = file.readAll();
    return BinaryFile({bytes.begin(), bytes.end()});
}

std::uint8_t BinaryFile::u8(std::size_t offset) const
{
    return bytes_.at(offset);
}

std::uint16_t BinaryFile::u16(std::size_t offset) const
{
    return static_cast<std::uint16_t>(u8(offset) | u8(offset + 1) << 8);
}

std::uint32_t BinaryFile::u32(std::size_t offset) const
{
    return u16(offset) | static_cast<std::uint32_t>(u16(offset + 2)) << 16;
}

std::vector<std::uint8_t> BinaryFile::slice(std::size_t offset, std::size_t length) const
{
    if (offset > bytes_.size() || length > bytes_.size() - offset)
        throw std::out_of_range("slice beyond the end of the file");
    return {bytes_.begin() + static_cast<std::ptrdiff_t>(offset),
        bytes_.begin() + static_cast<std::ptrdiff_t>(offset + length)};
}
