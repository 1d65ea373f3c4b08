#include "platform/version_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace morvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutWord(Bytes& bytes, std::uint32_t word) {
    bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(word >> 8 & 0xFF));
}

void PadToFour(Bytes& bytes) {
    while (bytes.size() % 4 != 0) bytes.push_back(0);
}

// A block as the resource compiler lays it out; children follow the value,
// every part on a 4-byte boundary.
Bytes MakeBlock(const std::u16string& key, const Bytes& value, std::uint16_t valueLength, bool text,
                const std::vector<Bytes>& children = {}) {
    Bytes block;
    PutWord(block, 0);  // length, filled in below
    PutWord(block, valueLength);
    PutWord(block, text ? 1 : 0);
    for (const char16_t c : key) PutWord(block, c);
    PutWord(block, 0);
    PadToFour(block);
    block.insert(block.end(), value.begin(), value.end());
    for (const Bytes& child : children) {
        PadToFour(block);
        block.insert(block.end(), child.begin(), child.end());
    }
    block[0] = static_cast<std::uint8_t>(block.size() & 0xFF);
    block[1] = static_cast<std::uint8_t>(block.size() >> 8);
    return block;
}

enum class TextLength { Characters, ByteCount };

Bytes MakeString(const std::u16string& key, const std::u16string& value, TextLength unit = TextLength::Characters) {
    Bytes data;
    for (const char16_t c : value) PutWord(data, c);
    PutWord(data, 0);
    const std::size_t length = unit == TextLength::Characters ? value.size() + 1 : data.size();
    return MakeBlock(key, data, static_cast<std::uint16_t>(length), true);
}

Bytes FixedInfo(std::uint32_t signature, std::uint16_t major, std::uint16_t minor, std::uint16_t third,
                std::uint16_t fourth) {
    Bytes info;
    const std::uint32_t dwords[13] = {signature, 0x00010000, static_cast<std::uint32_t>(major) << 16 | minor,
                                      static_cast<std::uint32_t>(third) << 16 | fourth};
    for (const std::uint32_t d : dwords) {
        PutWord(info, d & 0xFFFF);
        PutWord(info, d >> 16);
    }
    return info;
}

Bytes MakeResource(const std::vector<Bytes>& strings, std::uint32_t signature = 0xFEEF04BD,
                   const std::u16string& rootKey = u"VS_VERSION_INFO", const std::vector<Bytes>& extraTables = {}) {
    std::vector<Bytes> tables{MakeBlock(u"040904B0", {}, 0, true, strings)};
    tables.insert(tables.end(), extraTables.begin(), extraTables.end());
    const Bytes fileInfo = MakeBlock(u"StringFileInfo", {}, 0, true, tables);
    const Bytes varInfo = MakeBlock(u"VarFileInfo", {}, 0, true,
                                    {MakeBlock(u"Translation", {0x09, 0x04, 0xB0, 0x04}, 4, false)});
    const Bytes fixed = FixedInfo(signature, 3, 23, 0, 7);
    return MakeBlock(rootKey, fixed, static_cast<std::uint16_t>(fixed.size()), false, {varInfo, fileInfo});
}

const std::vector<Bytes> kProgramStrings = {
    MakeString(u"CompanyName", u"Zantor Ltd"),
    MakeString(u"FileDescription", u"Shows the input language"),
    MakeString(u"InternalName", u"Morvane3"),
    MakeString(u"LegalCopyright", u"Copyright \u00A9 2026 Zantor Ltd"),
    MakeString(u"LegalTrademarks", u"Morvane3\u2122"),
    MakeString(u"ProductName", u"Morvane Language Badge \u00AE"),
    MakeString(u"Comments", u"https://www.zantor.example"),
};

TEST(ParseVersionResource, ReadsNumbersAndTexts) {
    const Bytes resource = MakeResource(kProgramStrings);
    const VersionRecord record = ParseVersionResource(resource);
    EXPECT_EQ(record.Major, 3);
    EXPECT_EQ(record.Minor, 23);
    EXPECT_EQ(record.Revision, 0) << "the revision is the third part of the file version";
    EXPECT_EQ(record.CompanyName, L"Zantor Ltd");
    EXPECT_EQ(record.Title, L"Morvane3");
    EXPECT_EQ(record.ProductName, L"Morvane Language Badge \u00AE");
    EXPECT_EQ(record.FileDescription, L"Shows the input language");
    EXPECT_EQ(record.LegalCopyright, L"Copyright \u00A9 2026 Zantor Ltd");
    EXPECT_EQ(record.LegalTrademarks, L"Morvane3\u2122");
    EXPECT_EQ(record.Comments, L"https://www.zantor.example");
}

TEST(ParseVersionResource, TextLengthsCountedInBytesReadTheSame) {
    const Bytes resource = MakeResource({MakeString(u"CompanyName", u"Zantor Ltd", TextLength::ByteCount),
                                         MakeString(u"ProductName", u"Badge", TextLength::ByteCount)});
    const VersionRecord record = ParseVersionResource(resource);
    EXPECT_EQ(record.CompanyName, L"Zantor Ltd");
    EXPECT_EQ(record.ProductName, L"Badge");
}

TEST(ParseVersionResource, OnlyTheFirstStringTableCounts) {
    const Bytes other = MakeBlock(u"040704B0", {}, 0, true, {MakeString(u"CompanyName", u"Andere GmbH")});
    const VersionRecord record =
        ParseVersionResource(MakeResource(kProgramStrings, 0xFEEF04BD, u"VS_VERSION_INFO", {other}));
    EXPECT_EQ(record.CompanyName, L"Zantor Ltd");
}

TEST(ParseVersionResource, NumbersWithoutTheFixedInfoSignatureStayZero) {
    const VersionRecord record = ParseVersionResource(MakeResource(kProgramStrings, 0x12345678));
    EXPECT_EQ(record.Major, 0);
    EXPECT_EQ(record.Minor, 0);
    EXPECT_EQ(record.CompanyName, L"Zantor Ltd") << "the texts are still read";
}

TEST(ParseVersionResource, SomethingElseGivesAnEmptyRecord) {
    EXPECT_EQ(ParseVersionResource(MakeResource(kProgramStrings, 0xFEEF04BD, u"OTHER")).CompanyName, L"");
    EXPECT_EQ(ParseVersionResource({}).Major, 0);
}

TEST(ParseVersionResource, ACutOffResourceGivesAnEmptyRecordWithoutReadingPastItsEnd) {
    const Bytes resource = MakeResource(kProgramStrings);
    for (std::size_t size = 0; size < resource.size(); ++size) {
        const Bytes cut(resource.begin(), resource.begin() + static_cast<std::ptrdiff_t>(size));
        const VersionRecord record = ParseVersionResource(cut);
        EXPECT_EQ(record.Major, 0) << size;
        EXPECT_EQ(record.CompanyName, L"") << size;
    }
}

TEST(ParseVersionResource, AChildClaimingMoreThanItsParentHoldsIsSkipped) {
    Bytes resource = MakeResource({MakeString(u"CompanyName", u"Zantor Ltd")});
    // The string block is the last one: make it claim far more bytes.
    const std::size_t stringStart = resource.size() - MakeString(u"CompanyName", u"Zantor Ltd").size();
    resource[stringStart] = 0xFF;
    resource[stringStart + 1] = 0x7F;
    const VersionRecord record = ParseVersionResource(resource);
    EXPECT_EQ(record.Major, 3);
    EXPECT_EQ(record.CompanyName, L"");
}

} // namespace
} // namespace morvane
