// The pickers' rules: a font as the font dialog describes it and back.
#include <gtest/gtest.h>

#include "doubles/fake_system.h"
#include "pickers/font_description.h"

namespace morvane {
namespace {

std::string FieldText(const std::array<std::uint8_t, 32>& field) {
    return std::string(field.begin(), std::find(field.begin(), field.end(), std::uint8_t{0}));
}

std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    while (times-- > 0) repeated += text;
    return repeated;
}

TEST(Pickers, FaceName) {
    const FakeAnsiCodePage ansi;
    FakeAnsiCodePage doubleByte;
    doubleByte.doubleByte = true;
    // 31 bytes of room: "ab" and 14 characters of two bytes fill 30; the 15th is left out whole.
    const struct { const FakeAnsiCodePage& ansi; std::wstring name; std::string field; } rows[] = {
        {ansi, L"Caf\u00E9 \u4E2D", "Caf\xE9 ?"}, {ansi, std::wstring(31, L'x'), std::string(31, 'x')},
        {ansi, std::wstring(40, L'y'), std::string(31, 'y')},
        {doubleByte, L"ab" + std::wstring(16, L'\u4E2D'), "ab" + Repeat("\x81\x2D", 14)}};
    for (const auto& row : rows) {
        const auto field = FaceNameField(row.ansi, row.name);
        EXPECT_EQ(FieldText(field), row.field) << row.name.size() << " characters";
        EXPECT_EQ(field[31], 0);
    }
    StdFont font;
    font.Name = L"ab" + std::wstring(16, L'\u4E2D');
    EXPECT_EQ(LogFontToFont(FontDescriptionFromFont(font, 96, doubleByte), 96, doubleByte).Name,
              L"ab" + std::wstring(14, L'\u4E2D')) << "to the dialog and back";
}

TEST(Pickers, FontToDescription) {
    const FakeAnsiCodePage ansi;
    const struct { std::int64_t scaled; int dpi; bool bold; std::int32_t height, weight; } rows[] = {
        {97500, 96, true, -13, 700}, {82500, 96, false, -11, 0}, {85000, 96, false, -11, 0}, {100000, 120, false, -17, 0}};
    for (const auto& row : rows) {
        StdFont font;
        std::tie(font.Name, font.Size, font.Italic, font.Strikethrough, font.Charset) =
            std::tuple(L"Tahoma", SettingsNumber::FromScaled(row.scaled), true, true, 204);
        font.SetBold(row.bold);
        const FontDescription d = FontDescriptionFromFont(font, row.dpi, ansi);
        EXPECT_EQ(std::tuple(d.height, d.weight, d.italic, d.underline, d.strikeOut, d.charset, FieldText(d.faceName)),
                  std::tuple(row.height, row.weight, 1, 0, 1, 204, std::string("Tahoma"))) << row.scaled << " at " << row.dpi;
    }
}

TEST(Pickers, DescriptionToFont) {
    const FakeAnsiCodePage ansi;
    const struct { std::int32_t height, weight; int dpi; std::int32_t size; bool bold; } rows[] = {
        {-13, 400, 96, 10, false}, {-16, 700, 96, 12, true}, {-16, 400, 120, 10, false}, {-2, 400, 96, 2, false},
        {12, 400, 96, 9, false}, {-16, 600, 96, 12, false}, {-16, 800, 96, 12, false}};
    for (const auto& row : rows) {
        FontDescription d;
        std::tie(d.height, d.weight, d.underline, d.strikeOut, d.charset, d.faceName) =
            std::tuple(row.height, row.weight, 1, 1, 161, FaceNameField(ansi, L"Verdana"));
        const StdFont f = LogFontToFont(d, row.dpi, ansi);
        EXPECT_EQ(std::tuple(f.Name, f.Size, f.Bold(), f.Weight, f.Underline, f.Strikethrough, f.Italic, f.Charset),
                  std::tuple(std::wstring(L"Verdana"), SettingsNumber(row.size), row.bold, row.bold ? 700 : 400, true,
                             true, false, 161)) << row.height << " weight " << row.weight << " at " << row.dpi;
    }
}

} // namespace
} // namespace morvane
