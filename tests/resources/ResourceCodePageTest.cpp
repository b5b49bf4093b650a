#include "BinaryFile.h"
#include "support/NamedCase.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t subdirectory = 0x80000000;

struct Outcome {
    int exitCode;  // -1 if the program crashed or did not finish
    QString output, errors;
};

Outcome run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return {finished ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError()};
}

// A copy of an image in a directory of its own, for the tool to change.
class ImageFile {
public:
    explicit ImageFile(const Bytes& bytes)
    {
        QFile file(path());
        if (!file.open(QIODevice::WriteOnly)
            || file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) != qint64(bytes.size()))
            throw std::runtime_error("cannot write " + path().toStdString());
    }
    QString path() const { return dir_.filePath("ShortDipole.exe"); }
    Bytes bytes() const { return BinaryFile::read(path()).bytes(); }

private:
    QTemporaryDir dir_;
};

void put16(Bytes& bytes, std::size_t offset, std::uint16_t value)
{
    bytes.at(offset) = std::uint8_t(value);
    bytes.at(offset + 1) = std::uint8_t(value >> 8);
}

void put32(Bytes& bytes, std::size_t offset, std::uint32_t value)
{
    put16(bytes, offset, std::uint16_t(value));
    put16(bytes, offset + 2, std::uint16_t(value >> 16));
}

// Where two files first differ, so that a failure names a place rather than printing both; -1 if equal.
long firstDifference(const Bytes& a, const Bytes& b)
{
    const auto [at, _] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return a == b ? -1 : long(at - a.begin());
}

struct DataEntry {
    std::vector<std::uint32_t> ids;  // type, name, language
    std::size_t offset;
    std::uint32_t codePage;
};

// The test's own reading of an image: it finds the resource tree through the section named
// .rsrc, not through the data directory that the tool follows.
struct ImageLayout {
    explicit ImageLayout(const Bytes& image) : pe(image) {}

    const BinaryFile pe;
    const std::size_t optionalHeader = pe.u32(0x3C) + 24;
    const std::size_t rsrc = findRsrc();

    // The file offset of the first entry's target in the first directory of a level (0: types,
    // 1: names, 2: languages).
    std::size_t firstTarget(int level) const
    {
        std::size_t directory = 0;
        for (int i = 0; i < level; ++i)
            directory = pe.u32(rsrc + directory + 20) & ~subdirectory;
        return rsrc + directory + 20;
    }

    // Every data entry under a directory, with the ids on the way down: type, name, language.
    std::vector<DataEntry> dataEntries(std::size_t directory = 0, std::vector<std::uint32_t> ids = {}) const
    {
        std::vector<DataEntry> found;
        const std::size_t entries = rsrc + directory + 16;
        const std::size_t count = pe.u16(entries - 4) + pe.u16(entries - 2);
        for (std::size_t entry = entries; entry < entries + 8 * count; entry += 8) {
            ids.push_back(pe.u32(entry));
            const std::uint32_t target = pe.u32(entry + 4);
            if (target & subdirectory)
                std::ranges::copy(dataEntries(target & ~subdirectory, ids), std::back_inserter(found));
            else
                found.push_back({ids, rsrc + target, pe.u32(rsrc + target + 8)});
            ids.pop_back();
        }
        return found;
    }

private:
    std::size_t findRsrc() const
    {
        const std::size_t sections = optionalHeader + pe.u16(optionalHeader - 4);
        for (std::size_t i = 0; i < pe.u16(optionalHeader - 18); ++i) {
            if (pe.slice(sections + 40 * i, 8) == Bytes{'.', 'r', 's', 'r', 'c', 0, 0, 0})
                return pe.u32(sections + 40 * i + 20);
        }
        throw std::runtime_error("no .rsrc section");
    }
};

// The program's resource script compiled and linked by binutils alone: an image with no code
// worth the name, but the resource section exactly as the Windows build links it.
Bytes linkedImage()
{
    static const Bytes image = [] {
        QTemporaryDir dir;
        const QString object = dir.filePath("resources.o"), exe = dir.filePath("ShortDipole.exe");
        const Outcome compiled = run(DIPOLE_WINDRES, {"--preprocessor=" DIPOLE_CPP, "-i",
            DIPOLE_RESOURCE_DIR "/ShortDipole.rc", "-O", "coff", "-o", object});
        const Outcome linked = compiled.exitCode != 0
            ? compiled
            : run(DIPOLE_LD, {"--subsystem", "windows", "-e", "0", "-o", exe, object});
        if (linked.exitCode != 0)
            throw std::runtime_error("cannot build the image: " + linked.errors.toStdString());
        return BinaryFile::read(exe).bytes();
    }();
    return image;
}

// The same image as an x86-64 PE32+ one: the optional header's wider fields move the data
// directories and the section table 16 bytes on, into the padding before the first section.
// The widened fields hold nonsense, which nothing here reads.
Bytes pe32PlusImage()
{
    Bytes pe = linkedImage();
    const std::size_t optional = ImageLayout(pe).optionalHeader;
    const std::size_t headersEnd = BinaryFile(pe).u32(optional + 60);
    const auto at = [&pe](std::size_t offset) { return pe.begin() + std::ptrdiff_t(offset); };
    pe.insert(at(optional + 88), 16, 0);
    pe.erase(at(headersEnd), at(headersEnd + 16));
    put16(pe, optional - 20, 0x8664);
    put16(pe, optional, 0x20B);
    put16(pe, optional - 4, std::uint16_t(BinaryFile(pe).u16(optional - 4) + 16));
    return pe;
}

struct ImageCase {
    const char* name;
    Bytes (*image)();
    std::uint32_t codePage;
};

class SettingCodePage : public testing::TestWithParam<ImageCase> {};

TEST_P(SettingCodePage, ChangesEveryDataEntryAndNothingElse)
{
    const Bytes before = GetParam().image();
    const std::vector<DataEntry> entries = ImageLayout(before).dataEntries();
    std::vector<std::vector<std::uint32_t>> ids;
    for (const DataEntry& e : entries) {
        ids.push_back(e.ids);
        EXPECT_EQ(e.codePage, 0u) << "as linked";
    }
    const std::vector<std::vector<std::uint32_t>> expectedIds{
        {3, 30001, 0}, {3, 30002, 0}, {3, 30003, 0}, {14, 1, 0}, {16, 1, 0x409}};
    ASSERT_EQ(ids, expectedIds);

    const ImageFile file(before);
    const Outcome tool = run(DIPOLE_SET_RESOURCE_CODEPAGE, {file.path(), QString::number(GetParam().codePage)});
    ASSERT_EQ(tool.exitCode, 0) << tool.errors.toStdString();

    // The resources' own bytes are compared with everything else.
    Bytes expected = before;
    for (const DataEntry& e : entries)
        put32(expected, e.offset + 8, GetParam().codePage);
    EXPECT_EQ(firstDifference(file.bytes(), expected), -1);
}

INSTANTIATE_TEST_SUITE_P(ResourceCodePage, SettingCodePage,
    testing::Values(ImageCase{"Pe32", linkedImage, 1200}, ImageCase{"Pe32Plus", pe32PlusImage, 1200},
        ImageCase{"Pe32Utf8", linkedImage, 65001}),
    caseName);

TEST(ResourceCodePage, ObjdumpReads1200ForAllFiveResources)
{
    const ImageFile file(linkedImage());
    ASSERT_EQ(run(DIPOLE_SET_RESOURCE_CODEPAGE, {file.path(), "1200"}).exitCode, 0);
    const Outcome objdump = run(DIPOLE_OBJDUMP, {"-p", file.path()});
    ASSERT_EQ(objdump.exitCode, 0) << objdump.errors.toStdString();
    EXPECT_EQ(objdump.output.count("Codepage: "), 5);
    EXPECT_EQ(objdump.output.count("Codepage: 1200\n"), 5);
}

struct MalformedCase {
    const char* name;
    std::function<void(Bytes&, const ImageLayout&)> spoil;
    const char* says;  // words from the tool's complaint
    const char* codePage = "1200";
};

class MalformedInput : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedInput, IsRefusedAndLeftAsItWas)
{
    Bytes bytes = linkedImage();
    GetParam().spoil(bytes, ImageLayout(bytes));
    const ImageFile file(bytes);
    const Outcome tool = run(DIPOLE_SET_RESOURCE_CODEPAGE, {file.path(), GetParam().codePage});
    EXPECT_GT(tool.exitCode, 0);
    EXPECT_TRUE(tool.errors.contains(GetParam().says)) << tool.errors.toStdString();
    EXPECT_EQ(firstDifference(file.bytes(), bytes), -1);
}

// Where a PE32 optional header keeps the resource directory's address.
constexpr std::size_t resources = 96 + 2 * 8;

INSTANTIATE_TEST_SUITE_P(ResourceCodePage, MalformedInput,
    testing::Values(
        MalformedCase{"EmptyFile", [](Bytes& b, auto&) { b.clear(); }, "no MZ header"},
        MalformedCase{"NotAnExecutable", [](Bytes& b, auto&) { b.assign(100, 'x'); }, "no MZ header"},
        MalformedCase{"NoPeSignature", [](Bytes& b, auto& at) { b.at(at.optionalHeader - 24) = 'X'; }, "PE signature"},
        MalformedCase{"NeitherPe32NorPe32Plus", [](Bytes& b, auto& at) { put16(b, at.optionalHeader, 0x107); },
            "neither"},
        MalformedCase{"CutInDosHeader", [](Bytes& b, auto&) { b.resize(0x30); }, "past the end"},
        MalformedCase{"CutInOptionalHeader", [](Bytes& b, auto& at) { b.resize(at.optionalHeader + 64); },
            "past the end"},
        MalformedCase{"CutInSectionTable", [](Bytes& b, auto& at) { b.resize(at.optionalHeader + 224 + 60); },
            "past the end"},
        MalformedCase{"CutInResourceSection", [](Bytes& b, auto& at) { b.resize(at.rsrc + 0x100); }, "past the end"},
        MalformedCase{"NoResourceDirectory", [](Bytes& b, auto& at) { put32(b, at.optionalHeader + resources, 0); },
            "no resources"},
        MalformedCase{"EmptyResourceDirectory", [](Bytes& b, auto& at) { put32(b, at.rsrc + 12, 0); }, "no resources"},
        MalformedCase{"ResourceDirectoryInNoSection",
            [](Bytes& b, auto& at) { put32(b, at.optionalHeader + resources, 0x100000); }, "outside every section"},
        MalformedCase{"EntryCountPastTheSection", [](Bytes& b, auto& at) { put16(b, at.rsrc + 14, 0xFFFF); },
            "outside"},
        MalformedCase{"SubdirectoryPastTheSection",
            [](Bytes& b, auto& at) { put32(b, at.firstTarget(0), subdirectory | 0x100000); }, "outside"},
        MalformedCase{"DataEntryPastTheSection", [](Bytes& b, auto& at) { put32(b, at.firstTarget(2), 0x100000); },
            "outside"},
        MalformedCase{"TypeDirectoryRefersToItself",
            [](Bytes& b, auto& at) { put32(b, at.firstTarget(0), subdirectory); }, "loops"},
        MalformedCase{"NameDirectoryRefersToItself",
            [](Bytes& b, auto& at) { put32(b, at.firstTarget(1), at.pe.u32(at.firstTarget(0))); }, "loops"},
        MalformedCase{"LanguageDirectoryRefersToTheTypes",
            [](Bytes& b, auto& at) { put32(b, at.firstTarget(2), subdirectory); }, "deeper"},
        MalformedCase{"DataEntryInPlaceOfTypes",
            [](Bytes& b, auto& at) { put32(b, at.firstTarget(0), at.pe.u32(at.firstTarget(2))); },
            "above the language"},
        MalformedCase{"CodePageNotANumber", [](Bytes&, auto&) {}, "usage", "utf-16"},
        MalformedCase{"CodePageTooLarge", [](Bytes&, auto&) {}, "usage", "4294967296"}),
    caseName);

} // namespace
