// The pickers' rules: a font as the font dialog describes it and back, and
// where a dialog stands on the screen.
#include <gtest/gtest.h>

#include "doubles/fake_system.h"
#include "pickers/font_description.h"
#include "pickers/mul_div.h"
#include "platform/common_dialogs.h"

namespace morvane {
namespace {

std::string FieldText(const std::array<std::uint8_t, 32>& field) {
    return std::string(field.begin(), std::find(field.begin(), field.end(), std::uint8_t{0}));
}

// Double-byte characters for U+4E00..U+4EFF: lead byte 0x82, then the low byte.
struct DoubleByteCodePage : FakeAnsiCodePage {
    std::string Encode(std::wstring_view text) const override {
        std::string bytes;
        for (const wchar_t c : text) {
            if (c >= 0x4E00) bytes += '\x82';
            bytes += static_cast<char>(c & 0xFF);
        }
        return bytes;
    }
};

TEST(Pickers, MulDiv) {
    const struct { std::int32_t n, num, den, result; } rows[] = {
        {10, 96, 72, 13}, {-13, 72, 96, -10}, {1, 3, 2, 2}, {-1, 3, 2, -2}, {1, -3, 2, -2}, {-3, -3, -2, -5},
        {12, 96, 0, -1}, {0x40000000, 4, 1, -1}, {-0x40000000, 2, 1, -1}, {0x40000000, 0x40000000, 0x40000000, 0x40000000}};
    for (const auto& row : rows) EXPECT_EQ(MulDiv(row.n, row.num, row.den), row.result) << row.n << "*" << row.num << "/" << row.den;
}

TEST(Pickers, FaceName) {
    const FakeAnsiCodePage ansi;
    const DoubleByteCodePage dbcs;
    const struct { const AnsiCodePage& page; std::wstring name; std::string field; } rows[] = {
        {ansi, L"Caf\u00E9 \u4E2D", "Caf\xE9 ?"}, {ansi, std::wstring(31, L'x'), std::string(31, 'x')},
        {ansi, std::wstring(40, L'y'), std::string(31, 'y')},
        {dbcs, std::wstring(30, L'a') + L"\u4E2D\u4E2E", std::string(30, 'a')},
        {dbcs, std::wstring(29, L'a') + L"\u4E2D\u4E2E", std::string(29, 'a') + "\x82\x2D"}};
    for (const auto& row : rows) {
        const auto field = FaceNameField(row.page, row.name);
        EXPECT_EQ(FieldText(field), row.field) << row.name.size() << " characters";
        EXPECT_EQ(field[31], 0);
    }
}

TEST(Pickers, FontToDescription) {
    const FakeAnsiCodePage ansi;
    const struct { std::int64_t scaled; int dpi; bool bold; std::int32_t height, weight; } rows[] = {
        {97500, 96, true, -13, 700}, {100000, 96, false, -13, 0}, {82500, 96, false, -11, 0}, {85000, 96, false, -11, 0},
        {100000, 120, false, -17, 0}};
    for (const auto& row : rows) {
        StdFont font;
        font.Name = L"Tahoma";
        font.Size = SettingsNumber::FromScaled(row.scaled);
        font.SetBold(row.bold);
        font.Italic = font.Strikethrough = true;
        font.Charset = 204;
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
        d.height = row.height;
        d.weight = row.weight;
        d.underline = 1;
        d.charset = 161;
        d.faceName = FaceNameField(ansi, L"Verdana");
        const StdFont f = LogFontToFont(d, row.dpi, ansi);
        EXPECT_EQ(std::tuple(f.Name, f.Size, f.Bold(), f.Weight, f.Underline, f.Italic, f.Charset),
                  std::tuple(std::wstring(L"Verdana"), SettingsNumber(row.size), row.bold, row.bold ? 700 : 400, true,
                             false, 161)) << row.height << " weight " << row.weight << " at " << row.dpi;
    }
}

TEST(Pickers, DialogCentring) {
    const struct { double screenW, screenH, twips; std::int32_t w, h; std::int32_t left, top; } rows[] = {
        {1280 * 15.0, 800 * 15.0, 15, 400, 300, 440, 250}, {1280 * 15.0, 800 * 15.0, 15, 399, 301, 440, 249},
        {1280 * 15.0, 800 * 15.0, 15, 1400, 901, -60, -50}, {12500, 12500, 12.5, 400, 400, 300, 300},
        {1000.5 * 12, 1000.5 * 12, 12, 400, 400, 300, 300}, {1001.5 * 12, 1001.5 * 12, 12, 400, 400, 301, 301}};
    for (const auto& row : rows) {
        const DialogOrigin o = CentredDialogOrigin(row.screenW, row.screenH, row.twips, row.twips, row.w, row.h);
        EXPECT_EQ(std::pair(o.left, o.top), std::pair(row.left, row.top)) << row.w << "x" << row.h << " on " << row.screenW;
    }
}

} // namespace
} // namespace morvane
