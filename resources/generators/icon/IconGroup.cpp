#include "IconGroup.h"

#include "../ByteWriter.h"

#include <cstdio>

namespace resources {

namespace {

constexpr int iconDirectorySize = 6;
constexpr int iconFileEntrySize = 16;
constexpr std::uint16_t resourceTypeIcon = 3;
constexpr std::uint16_t resourceTypeGroupIcon = 14;

// Raw resource data as 16-bit words, eight to a line; every part of an icon has an even length.
void appendWords(std::string& script, const std::vector<std::uint8_t>& bytes)
{
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char word[16];
        std::snprintf(word, sizeof word, "0x%04X", bytes[i] | bytes[i + 1] << 8);
        script += i % 16 == 0 ? "    " : " ";
        script += word;
        script += i + 2 == bytes.size() ? "\n" : (i % 16 == 14 ? ",\n" : ",");
    }
}

} // namespace

IconGroup::IconGroup(int groupId, std::vector<Member> members) : groupId_(groupId)
{
    for (const Member& m : members)
        entries_.push_back({m.image.bitmapBytes(), m.image.size(), m.image.colourCount(), m.image.bitsPerPixel(),
            m.resourceId});
}

void IconGroup::writeDirectory(ByteWriter& out, const auto& lastField) const
{
    out.u16(0);
    out.u16(1);  // icons, not cursors
    out.u16(static_cast<std::uint16_t>(entries_.size()));
    for (const Entry& e : entries_) {
        out.u8(static_cast<std::uint8_t>(e.size));
        out.u8(static_cast<std::uint8_t>(e.size));
        out.u8(static_cast<std::uint8_t>(e.colourCount));
        out.u8(0);
        out.u16(1);  // planes
        out.u16(static_cast<std::uint16_t>(e.bitsPerPixel));
        out.u32(static_cast<std::uint32_t>(e.bytes.size()));
        lastField(out, e);
    }
}

std::vector<std::uint8_t> IconGroup::icoFile() const
{
    ByteWriter out;
    std::uint32_t offset = iconDirectorySize + iconFileEntrySize * entries_.size();
    writeDirectory(out, [&offset](ByteWriter& o, const Entry& e) {
        o.u32(offset);
        offset += static_cast<std::uint32_t>(e.bytes.size());
    });
    for (const Entry& e : entries_)
        out.bytes(e.bytes);
    return out.data();
}

std::vector<std::uint8_t> IconGroup::groupResource() const
{
    ByteWriter out;
    writeDirectory(out, [](ByteWriter& o, const Entry& e) { o.u16(static_cast<std::uint16_t>(e.resourceId)); });
    return out.data();
}

std::string IconGroup::resourceScript() const
{
    std::string script =
        "// The application icon as raw resources. Written by make_icon together with ShortDipole.ico;\n"
        "// regenerate both rather than editing this file.\n"
        "\n"
        "LANGUAGE 0, 0\n";
    const auto resource = [&script](int id, int type, const std::vector<std::uint8_t>& bytes) {
        script += '\n';
        script += std::to_string(id);
        script += ' ';
        script += std::to_string(type);
        script += "\nBEGIN\n";
        appendWords(script, bytes);
        script += "END\n";
    };
    resource(groupId_, resourceTypeGroupIcon, groupResource());
    for (const Entry& e : entries_)
        resource(e.resourceId, resourceTypeIcon, e.bytes);
    return script;
}

} // namespace resources
