// Platform rules: the command line after the program's name, the executable's
// path, and the version resource.
#include <gtest/gtest.h>

#include "platform/process_text.h"
#include "platform/version_record.h"

namespace morvane {
namespace {

TEST(Platform, CommandLine) {
    const struct { const wchar_t* line; const wchar_t* after; } rows[] = {
        {LR"("C:\Program Files\Morvane3.exe" /help)", L"/help"}, {LR"("C:\Tools\Morvane3.exe"/?)", L"/?"},
        {LR"("C:\Tools\Morvane3.exe")", L""}, {LR"(C:\Tools\Morvane3.exe /?)", L"/?"}, {L"Morvane3\t/help", L"/help"},
        {L"", L""}, {L"Morvane3   \t /help ", L"/help "}, {L"Morvane3 /HELP  extra", L"/HELP  extra"},
        {LR"("C:\Tools\Morvane3.exe /help)", L""}};
    for (const auto& row : rows) EXPECT_EQ(TextAfterProgramName(row.line), row.after) << row.line;
    const struct { const wchar_t* path; const wchar_t* directory; const wchar_t* baseName; } paths[] = {
        {LR"(C:\Program Files\Zantor\Morvane3.exe)", LR"(C:\Program Files\Zantor)", L"Morvane3"},
        {LR"(D:\my.tools\Badge.copy.EXE)", LR"(D:\my.tools)", L"Badge.copy"}, {LR"(D:\my.tools\Badge)", LR"(D:\my.tools)", L"Badge"},
        {LR"(E:\Morvane3.exe)", L"E:", L"Morvane3"}};
    for (const auto& row : paths) {
        const ExecutableLocation location = SplitExecutablePath(row.path);
        EXPECT_EQ(std::pair(location.directory, location.baseName), std::pair(std::wstring(row.directory),
                                                                              std::wstring(row.baseName))) << row.path;
    }
}

using Bytes = std::vector<std::uint8_t>;
void Put(Bytes& b, std::uint32_t word) { b.insert(b.end(), {std::uint8_t(word), std::uint8_t(word >> 8)}); }

// A block as the resource compiler lays it out, every part on a 4-byte boundary.
Bytes Block(const std::u16string& key, const Bytes& value, std::uint16_t valueLength, bool text,
            const std::vector<Bytes>& children = {}) {
    Bytes b;
    for (const std::uint32_t w : {0u, unsigned{valueLength}, text ? 1u : 0u}) Put(b, w);
    for (const char16_t c : key + u'\0') Put(b, c);
    b.resize((b.size() + 3) & ~std::size_t{3}, 0);
    b.insert(b.end(), value.begin(), value.end());
    for (const Bytes& child : children) {
        b.resize((b.size() + 3) & ~std::size_t{3}, 0);
        b.insert(b.end(), child.begin(), child.end());
    }
    b[0] = std::uint8_t(b.size());
    b[1] = std::uint8_t(b.size() >> 8);
    return b;
}
Bytes String(const std::u16string& key, const std::u16string& value, bool lengthInBytes = false) {
    Bytes data;
    for (const char16_t c : value + u'\0') Put(data, c);
    return Block(key, data, std::uint16_t(lengthInBytes ? data.size() : value.size() + 1), true);
}
Bytes Resource(std::uint32_t signature, const std::u16string& root, const std::vector<Bytes>& tables) {
    Bytes fixed;
    for (const std::uint32_t d : {signature, 0x00010000u, 3u << 16 | 23u, 0u << 16 | 7u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u}) {
        Put(fixed, d & 0xFFFF);
        Put(fixed, d >> 16);
    }
    const Bytes var = Block(u"VarFileInfo", {}, 0, true, {Block(u"Translation", {9, 4, 0xB0, 4}, 4, false)});
    return Block(root, fixed, std::uint16_t(fixed.size()), false, {var, Block(u"StringFileInfo", {}, 0, true, tables)});
}

TEST(Platform, VersionResource) {
    const std::vector<Bytes> strings = {String(u"CompanyName", u"Zantor Ltd"), String(u"InternalName", u"Morvane3"),
                                        String(u"LegalTrademarks", u"Morvane3\u2122", true),
                                        String(u"ProductName", u"Badge \u00AE"), String(u"Comments", u"https://z.example")};
    const Bytes table = Block(u"040904B0", {}, 0, true, strings);
    const Bytes other = Block(u"040704B0", {}, 0, true, {String(u"CompanyName", u"Andere GmbH")});
    const VersionRecord r = ParseVersionResource(Resource(0xFEEF04BD, u"VS_VERSION_INFO", {table, other}));
    EXPECT_EQ(std::tuple(r.Major, r.Minor, r.Revision, r.CompanyName, r.Title, r.LegalTrademarks, r.ProductName, r.Comments),
              std::tuple(3, 23, 0, std::wstring(L"Zantor Ltd"), std::wstring(L"Morvane3"), std::wstring(L"Morvane3\u2122"),
                         std::wstring(L"Badge \u00AE"), std::wstring(L"https://z.example")));
    const VersionRecord unsigned_ = ParseVersionResource(Resource(0x12345678, u"VS_VERSION_INFO", {table}));
    EXPECT_EQ(std::pair(unsigned_.Major, unsigned_.CompanyName), std::pair(0, std::wstring(L"Zantor Ltd")));
    EXPECT_EQ(ParseVersionResource(Resource(0xFEEF04BD, u"OTHER", {table})).CompanyName, L"");

    const Bytes whole = Resource(0xFEEF04BD, u"VS_VERSION_INFO", {Block(u"040904B0", {}, 0, true, {strings[0]})});
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const VersionRecord cut = ParseVersionResource(Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(size)));
        EXPECT_EQ(std::pair(cut.Major, cut.CompanyName), std::pair(0, std::wstring())) << "cut at " << size;
    }
    Bytes overlong = whole;
    overlong[whole.size() - strings[0].size()] = 0xFF;
    overlong[whole.size() - strings[0].size() + 1] = 0x7F;
    const VersionRecord skipped = ParseVersionResource(overlong);
    EXPECT_EQ(std::pair(skipped.Major, skipped.CompanyName), std::pair(3, std::wstring())) << "a child claiming too much";
}

} // namespace
} // namespace morvane
