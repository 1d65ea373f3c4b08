// The settings file: the store's read and write rules, colour texts and the font keys.
#include <gtest/gtest.h>

#include "doubles/fake_system.h"
#include "services/colour_text.h"
#include "services/font.h"
#include "services/settings_store.h"

namespace morvane {
namespace {

const std::wstring kFile = L"C:\\Tools\\Morvane3.dat";

struct Settings : ::testing::Test {
    FakeProfileFiles files;
    SettingsStore store{files};
    void Put(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
        files.values[FakeProfileFiles::Key(kFile, section, key)] = value;
    }
};

// The parsing is the numbers' rule; the store adds the default for a missing or out-of-range value.
TEST_F(Settings, ReadNumberAndText) {
    Put(L"Main", L"Margin", L"1E400");
    Put(L"Font", L"Name", L"  Arial ");
    EXPECT_EQ(std::tuple(store.IniReadNumber(kFile, L"Main", L"Margin", 3).ToDouble(),
                         store.IniReadNumber(kFile, L"Main", L"Missing", 4).ToDouble(), store.IniReadText(kFile, L"font", L"NAME"),
                         store.IniReadText(kFile, L"Font", L"Missing", L"Tahoma")),
              std::tuple(3.0, 4.0, L"Arial", L"Tahoma"));
}

TEST_F(Settings, WritesOnlyWhatChanged) {
    const struct { const wchar_t* before; std::wstring text; int number; int writes; const wchar_t* stored; } rows[] = {
        {L"ARIAL", L"ARIAL", -1, 0, L"ARIAL"}, {L"ARIAL", L"Arial", -1, 1, L"Arial"}, {L"", L"", -1, 1, L" "},
        {nullptr, L"", -1, 1, L" "}, {L"4", L"", 4, 0, L"4"}, {L"4", L"", 5, 1, L"5"},
        {L"0", L"", 0, 1, L"0"}, {nullptr, L"", 0, 1, L"0"}, {L"1.5", L"", -150, 1, L"-150"}};
    for (const auto& row : rows) {
        files.values.clear();
        files.writes = 0;
        if (row.before) Put(L"Main", L"Key", row.before);
        if (row.number == -1) store.IniWriteText(kFile, L"Main", L"Key", row.text);
        else store.IniWriteNumber(kFile, L"Main", L"Key", row.number);
        EXPECT_EQ(files.writes, row.writes) << row.before << " then " << row.text << row.number;
        EXPECT_EQ(files.Stored(kFile, L"Main", L"Key"), row.stored) << row.before << " then " << row.text << row.number;
    }
    store.IniWriteNumber(L"", L"Main", L"Key", 3);
    EXPECT_EQ(files.writes, 1) << "no file, no write";
}

TEST(ColourText, TextAndBack) {
    const struct { Colour colour; const wchar_t* text; } rows[] = {
        {0x0000FF, L"0000FF"}, {0, L"000000"}, {0xABCDEF, L"ABCDEF"}, {0x1ABCDEF, L"1ABCDEF"}};
    for (const auto& row : rows) EXPECT_EQ(ColourText(row.colour), row.text) << row.colour;
    const struct { const wchar_t* text; Colour colour; } parsed[] = {
        {L"0000ff", 0xFF}, {L"12XYZ0", 0x12}, {L"red", 0}, {L"0000FF00", 0xFF}, {L"00 FF 00", 0xFF}};
    for (const auto& row : parsed) EXPECT_EQ(ParseColourText(row.text), row.colour) << row.text;
}

TEST(ColourText, CustomColourList) {
    const CustomColours some{0xFF, 0, 0xFF00}, last{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1};
    EXPECT_EQ(BuildColourListText(some) + L"|" + BuildColourListText(last) + L"|" + BuildColourListText({}),
              L"0000FF  00FF00|000001               FFFFFFFF|");
    EXPECT_EQ(ParseColourListText(L"0000FF  00FF00"), some);
    EXPECT_EQ(ParseColourListText(L"000001               FFFFFFFF"), last);
    EXPECT_EQ(ParseColourListText(L"0000FF xyz 1FFFFFFFF 00FF00junk   FF"), (CustomColours{0xFF, 0, 0, 0xFF00, 0, 0, 0xFF}));
    EXPECT_EQ(ParseColourListText(L"1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1"),
              (CustomColours{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST_F(Settings, FontKeys) {
    StdFont design;
    design.Name = L"Tahoma";
    design.Size = SettingsNumber::FromScaled(82500);
    const struct { const wchar_t* key; const wchar_t* stored; std::wstring read; } rows[] = {
        {nullptr, nullptr, L"Tahoma 8 400 0 0000"}, {L"Size", L"9.75", L"Tahoma 10 400 0 0000"},
        {L"Size", L"-3", L"Tahoma 1 400 0 0000"}, {L"Charset", L"300", L"Tahoma 8 400 255 0000"},
        {L"Bold", L"2", L"Tahoma 8 400 0 0000"}, {L"Weight", L"1200", L"Tahoma 8 400 0 0000"},
        {L"Under", L" 1 ", L"Tahoma 8 400 0 0010"}, {L"Strike", L"yes", L"Tahoma 8 400 0 0000"}};
    for (const auto& row : rows) {
        files.values.clear();
        if (row.key) Put(L"Font", row.key, row.stored);
        const StdFont f = IniReadFont(store, kFile, L"Font", L"", design);
        const std::wstring read = f.Name + L" " + NumberText(f.Size) + L" " + std::to_wstring(f.Weight) + L" " +
                                  std::to_wstring(f.Charset) + L" " + std::to_wstring(f.Bold()) +
                                  std::to_wstring(f.Italic) + std::to_wstring(f.Underline) +
                                  std::to_wstring(f.Strikethrough);
        EXPECT_EQ(read, row.read) << (row.key ? row.key : L"(none)") << "=" << (row.stored ? row.stored : L"");
    }
}

} // namespace
} // namespace morvane
