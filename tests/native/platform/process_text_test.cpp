// The process's own texts: the command line after the program name and the
// version record read from its bytes. (The executable's path split gives the
// settings file beside it in every journey.)
#include <gtest/gtest.h>

#include <functional>

#include "platform/process_text.h"
#include "platform/version_record.h"

namespace morvane {
namespace {

TEST(ProcessText, CommandLineAfterTheProgramName) {
    const struct { const wchar_t* commandLine; const wchar_t* after; } rows[] = {
        {L"\"C:\\Program Files\\Morvane3.exe\" /?", L"/?"}, {L"\"C:\\Tools\\Morvane3.exe\"", L""},
        {L"\"C:\\Tools\\Morvane3.exe\"/help", L"/help"}, {L"Morvane3.exe /help ", L"/help "},
        {L"Morvane3.exe\t\t/?", L"/?"}, {L"\"C:\\Program Files\\Morvane3.exe /?", L""}, {L"Morvane3.exe", L""},
        {L"", L""}, {L" /?", L"/?"}, {L"\"\" /?", L"/?"}};
    for (const auto& row : rows) EXPECT_EQ(TextAfterProgramName(row.commandLine), row.after) << row.commandLine;
}

// A version resource block: length, value length, type, key, value and children, each on 4 bytes.
using Bytes = std::vector<std::uint8_t>;
void Pad(Bytes& b) { b.resize((b.size() + 3) & ~std::size_t{3}); }
Bytes Utf16(const std::u16string& text, Bytes b = {}) {
    for (const char16_t c : text) b.insert(b.end(), {std::uint8_t(c), std::uint8_t(c >> 8)});
    return b;
}
Bytes Block(std::u16string key, const Bytes& value, std::uint16_t valueLength, bool text, const std::vector<Bytes>& children) {
    Bytes b = Utf16(key + u'\0', Bytes(6));
    Pad(b);
    b.insert(b.end(), value.begin(), value.end());
    for (const Bytes& child : children) Pad(b), b.insert(b.end(), child.begin(), child.end());
    std::tie(b[0], b[1], b[2], b[3], b[4]) = std::tuple(std::uint8_t(b.size()), std::uint8_t(b.size() >> 8),
                                                        std::uint8_t(valueLength), 0, std::uint8_t(text));
    return b;
}
Bytes String(std::u16string key, std::u16string value) {
    return Block(std::move(key), Utf16(value + u'\0'), std::uint16_t(value.size() + 1), true, {});
}
std::size_t BlockOf(const Bytes& b, const std::u16string& key) {
    const Bytes k = Utf16(key);
    return std::size_t(std::search(b.begin(), b.end(), k.begin(), k.end()) - b.begin()) - 6;
}

TEST(ProcessText, VersionRecordReadsOnlyWholeBlocks) {
    // The fixed part: signature, structure version, file version 3.23.7.0.
    Bytes fixed(52);
    std::tie(fixed[0], fixed[1], fixed[2], fixed[3], fixed[8], fixed[10], fixed[14]) =
        std::tuple(0xBD, 0x04, 0xEF, 0xFE, 23, 3, 7);
    const Bytes whole = Block(u"VS_VERSION_INFO", fixed, 52, false, {Block(u"StringFileInfo", {}, 0, true, {
        Block(u"040904B0", {}, 0, true, {String(u"CompanyName", u"Zantor Ltd"), String(u"InternalName", u"Morvane3"),
                                         String(u"Comments", u"https://x.example")})})});
    // Gives a block the length that makes it end at the offset.
    const auto endAt = [](Bytes& b, std::size_t block, std::size_t end) {
        std::tie(b[block], b[block + 1]) = std::tuple(std::uint8_t(end - block), std::uint8_t((end - block) >> 8));
    };
    const struct { const char* what; std::function<void(Bytes&)> damage; const wchar_t* read; } rows[] = {
        {"whole", [](Bytes&) {}, L"3.23.7 Zantor Ltd|Morvane3|https://x.example"},
        {"the resource cut short", [](Bytes& b) { b.pop_back(); }, L"0.0.0 ||"},
        {"the last string reaching past its table",
         [&](Bytes& b) { endAt(b, BlockOf(b, u"Comments"), b.size() + 4); }, L"3.23.7 Zantor Ltd|Morvane3|"},
        {"the table ending inside its second string",
         [&](Bytes& b) { endAt(b, BlockOf(b, u"040904B0"), BlockOf(b, u"InternalName") + 8); }, L"3.23.7 Zantor Ltd||"},
        {"a string block shorter than its header", [&](Bytes& b) { b[BlockOf(b, u"CompanyName")] = 4; }, L"3.23.7 ||"}};
    for (const auto& row : rows) {
        Bytes b = whole;
        row.damage(b);
        const VersionRecord r = ParseVersionResource(b);
        EXPECT_EQ(std::to_wstring(r.Major) + L"." + std::to_wstring(r.Minor) + L"." + std::to_wstring(r.Revision) + L" " +
                      r.CompanyName + L"|" + r.Title + L"|" + r.Comments, row.read) << row.what;
    }
}

} // namespace
} // namespace morvane
