#include "BinaryFile.h"
#include "support/NamedCase.h"
#include "ResourceFile.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int typeIcon = 3, typeGroupIcon = 14, typeVersion = 16;
constexpr std::uint16_t neutral = 0, englishUs = 0x0409;

// The resource script compiled by the cross resource compiler, as a Windows build would.
class WindowsResources : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString res = dir.filePath("ShortDipole.res");
        QProcess windres;
        windres.setProcessChannelMode(QProcess::ForwardedChannels);
        windres.start(DIPOLE_WINDRES, {"--preprocessor=" DIPOLE_CPP, "-i", DIPOLE_RESOURCE_DIR "/ShortDipole.rc",
                                          "-O", "res", "-o", res});
        ASSERT_TRUE(windres.waitForFinished(60000));
        ASSERT_EQ(windres.exitCode(), 0);
        file = std::make_unique<ResourceFile>(BinaryFile::read(res));
    }
    static void TearDownTestSuite() { file.reset(); }

    static BinaryFile data(int type, int name)
    {
        for (const ResourceFile::Entry& e : file->entries()) {
            if (e.type == type && e.name == name)
                return BinaryFile(e.data);
        }
        throw std::runtime_error("resource missing");
    }

    static inline std::unique_ptr<ResourceFile> file;
};

TEST_F(WindowsResources, AreTheIconGroupItsImagesAndTheVersionBlockOnly)
{
    ASSERT_TRUE(file);
    std::vector<std::tuple<int, int, std::uint16_t>> found;
    for (const ResourceFile::Entry& e : file->entries())
        found.emplace_back(e.type, e.name, e.language);
    std::sort(found.begin(), found.end());
    const std::vector<std::tuple<int, int, std::uint16_t>> expected{{typeIcon, 30001, neutral},
        {typeIcon, 30002, neutral}, {typeIcon, 30003, neutral}, {typeGroupIcon, 1, neutral},
        {typeVersion, 1, englishUs}};
    EXPECT_EQ(found, expected);
}

TEST_F(WindowsResources, IconGroupIsTheIcoFileWithImages30001To30003)
{
    ASSERT_TRUE(file);
    const BinaryFile ico = BinaryFile::read(DIPOLE_RESOURCE_DIR "/ShortDipole.ico");
    const BinaryFile group = data(typeGroupIcon, 1);
    ASSERT_EQ(group.size(), 6u + 3 * 14);
    EXPECT_EQ(group.slice(0, 6), ico.slice(0, 6));
    for (int i = 0; i < 3; ++i) {
        // The entries agree up to the byte count; then the file has an offset, the group an id.
        EXPECT_EQ(group.slice(6 + 14 * i, 12), ico.slice(6 + 16 * i, 12)) << i;
        EXPECT_EQ(group.u16(6 + 14 * i + 12), 30001 + i);
        const BinaryFile image = data(typeIcon, 30001 + i);
        EXPECT_EQ(image.bytes(), ico.slice(ico.u32(6 + 16 * i + 12), ico.u32(6 + 16 * i + 8))) << i;
    }
}

// One node of a version block: key, value and children.
struct VersionNode {
    std::u16string key;
    std::uint16_t type = 0;  // 1: text
    std::vector<std::uint8_t> value;
    std::vector<VersionNode> children;

    std::string keyText() const { return QString::fromStdU16String(key).toStdString(); }
    std::string text() const
    {
        QString s = QString::fromUtf16(reinterpret_cast<const char16_t*>(value.data()), qsizetype(value.size() / 2));
        return s.left(s.indexOf(QChar(0))).toStdString();
    }
};

VersionNode readVersionNode(const BinaryFile& block, std::size_t at)
{
    const auto aligned = [](std::size_t offset) { return (offset + 3) & ~std::size_t{3}; };
    VersionNode node;
    const std::size_t end = at + block.u16(at);
    const std::uint16_t valueLength = block.u16(at + 2);
    node.type = block.u16(at + 4);
    std::size_t pos = at + 6;
    for (; block.u16(pos) != 0; pos += 2)
        node.key += char16_t(block.u16(pos));
    pos = aligned(pos + 2);
    const std::size_t valueBytes = node.type == 1 ? 2 * valueLength : valueLength;
    node.value = block.slice(pos, valueBytes);
    for (pos = aligned(pos + valueBytes); pos < end; pos = aligned(pos + block.u16(pos)))
        node.children.push_back(readVersionNode(block, pos));
    return node;
}

struct FixedField {
    const char* name;
    std::size_t offset;
    std::uint32_t value;
};

class VersionFixedPart : public WindowsResources, public testing::WithParamInterface<FixedField> {};

TEST_P(VersionFixedPart, HoldsItsValue)
{
    ASSERT_TRUE(file);
    const VersionNode root = readVersionNode(data(typeVersion, 1), 0);
    ASSERT_EQ(root.value.size(), 52u);
    EXPECT_EQ(BinaryFile(root.value).u32(GetParam().offset), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Version, VersionFixedPart,
    testing::Values(FixedField{"Signature", 0, 0xFEEF04BD}, FixedField{"StructureVersion", 4, 0x00010000},
        FixedField{"FileVersionHigh", 8, 0x00010000}, FixedField{"FileVersionLow", 12, 0},
        FixedField{"ProductVersionHigh", 16, 0x00010000}, FixedField{"ProductVersionLow", 20, 0},
        FixedField{"FlagsMask", 24, 0}, FixedField{"Flags", 28, 0}, FixedField{"OperatingSystem", 32, 4},
        FixedField{"FileTypeApplication", 36, 1}, FixedField{"FileSubtype", 40, 0},
        FixedField{"FileDateHigh", 44, 0}, FixedField{"FileDateLow", 48, 0}),
    caseName);

TEST_F(WindowsResources, VersionBlockHasTranslationThenSixStrings)
{
    ASSERT_TRUE(file);
    const VersionNode root = readVersionNode(data(typeVersion, 1), 0);
    EXPECT_EQ(root.keyText(), "VS_VERSION_INFO");
    ASSERT_EQ(root.children.size(), 2u);

    const VersionNode& varInfo = root.children[0];
    EXPECT_EQ(varInfo.keyText(), "VarFileInfo");
    ASSERT_EQ(varInfo.children.size(), 1u);
    EXPECT_EQ(varInfo.children[0].keyText(), "Translation");
    EXPECT_EQ(varInfo.children[0].value, (std::vector<std::uint8_t>{0x09, 0x04, 0xB0, 0x04}));

    const VersionNode& stringInfo = root.children[1];
    EXPECT_EQ(stringInfo.keyText(), "StringFileInfo");
    ASSERT_EQ(stringInfo.children.size(), 1u);
    const VersionNode& table = stringInfo.children[0];
    EXPECT_EQ(table.keyText(), "040904B0");
    std::vector<std::pair<std::string, std::string>> strings;
    for (const VersionNode& s : table.children) {
        EXPECT_EQ(s.type, 1) << s.keyText();
        strings.emplace_back(s.keyText(), s.text());
    }
    const std::vector<std::pair<std::string, std::string>> expected{{"CompanyName", "ZELMOR"},
        {"ProductName", "ShortDipole"}, {"FileVersion", "1.00"}, {"ProductVersion", "1.00"},
        {"InternalName", "ShortDipole"}, {"OriginalFilename", "ShortDipole.exe"}};
    EXPECT_EQ(strings, expected);
}

} // namespace
