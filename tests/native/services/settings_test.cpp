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

TEST_F(Settings, ReadNumber) {
    const struct { const wchar_t* stored; double read; } rows[] = {
        {nullptr, 1}, {L"7", 7}, {L" -20px", -20}, {L"blue", 0}, {L"&HFF", 255}, {L"1E400", 1}, {L"", 0}};
    for (const auto& row : rows) {
        files.values.clear();
        if (row.stored) Put(L"Main", L"Margin", row.stored);
        EXPECT_EQ(store.IniReadNumber(kFile, L"Main", L"Margin", 1).ToDouble(), row.read)
            << (row.stored ? row.stored : L"(missing)");
    }
    EXPECT_EQ(store.IniReadNumber(kFile, L"Main", L"Nothing", SettingsNumber::FromScaled(-12345)).Scaled(), -12345);
}

TEST_F(Settings, ReadText) {
    EXPECT_EQ(store.IniReadText(kFile, L"Font", L"Name", L"Tahoma"), L"Tahoma");
    Put(L"Font", L"Name", L"  Arial ");
    EXPECT_EQ(store.IniReadText(kFile, L"font", L"NAME"), L"Arial");
    Put(L"Font", L"Name", std::wstring(40000, L'x'));
    EXPECT_EQ(store.IniReadText(kFile, L"Font", L"Name").size(), 32766u);
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

TEST_F(Settings, AttributesSurviveAWrite) {
    const struct { std::uint32_t before; bool refuse; std::uint32_t after; bool written; } rows[] = {
        {file_attr::kReadOnly | file_attr::kHidden, false, file_attr::kReadOnly | file_attr::kHidden, true},
        {file_attr::kArchive, false, file_attr::kArchive, true},
        {file_attr::kReadOnly, true, file_attr::kReadOnly, false}};
    for (const auto& row : rows) {
        files = {};
        files.attributes[Lower(kFile)] = row.before;
        files.refuseWrites = row.refuse;
        store.IniWriteText(kFile, L"Main", L"BackColor", L"00FF00");
        EXPECT_EQ(files.attributes[Lower(kFile)], row.after) << row.before;
        EXPECT_EQ(files.Stored(kFile, L"Main", L"BackColor").has_value(), row.written) << row.before;
    }
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
    const struct { CustomColours colours; const wchar_t* text; CustomColours readBack; } rows[] = {
        {{0xFF, 0, 0xFF00}, L"0000FF  00FF00", {0xFF, 0, 0xFF00}}, {{0, 0, 0xFF}, L"0000FF", {0xFF}},
        {{}, L"", {}}, {{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1}, L"000001               FFFFFFFF",
                         {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1}}};
    for (const auto& row : rows) {
        EXPECT_EQ(BuildColourListText(row.colours), row.text);
        EXPECT_EQ(ParseColourListText(row.text), row.readBack) << row.text;
    }
    EXPECT_EQ(ParseColourListText(L"0000FF xyz 1FFFFFFFF 00FF00junk   FF"),
              (CustomColours{0xFF, 0, 0, 0xFF00, 0, 0, 0xFF}));
    CustomColours ones;
    ones.fill(1);
    EXPECT_EQ(ParseColourListText(L"1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1"), ones);
}

TEST_F(Settings, ColoursInTheFile) {
    WriteCustomColours(store, kFile, {});
    EXPECT_EQ(files.Stored(kFile, L"ShowColor", L"Custom"), L" ");
    WriteCustomColours(store, kFile, {0xFF});
    EXPECT_EQ(ReadCustomColours(store, kFile), (CustomColours{0xFF}));
}

TEST_F(Settings, FontKeys) {
    StdFont design;
    design.Name = L"Tahoma";
    design.Size = SettingsNumber::FromScaled(82500);
    const struct { const wchar_t* key; const wchar_t* stored; std::wstring read; } rows[] = {
        {nullptr, nullptr, L"Tahoma 8 400 0 0000"}, {L"Size", L"9.75", L"Tahoma 10 400 0 0000"},
        {L"Size", L"8.5", L"Tahoma 8 400 0 0000"}, {L"Size", L"-3", L"Tahoma 1 400 0 0000"},
        {L"Charset", L"300", L"Tahoma 8 400 255 0000"}, {L"Charset", L"-5", L"Tahoma 8 400 0 0000"},
        {L"Bold", L"1", L"Tahoma 8 700 0 1000"}, {L"Bold", L"2", L"Tahoma 8 400 0 0000"},
        {L"Weight", L"1200", L"Tahoma 8 400 0 0000"}, {L"Italic", L"1", L"Tahoma 8 400 0 0100"},
        {L"Under", L" 1 ", L"Tahoma 8 400 0 0010"}, {L"Strike", L"yes", L"Tahoma 8 400 0 0000"},
        {L"Name", L"Arial", L"Arial 8 400 0 0000"}};
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

TEST_F(Settings, FontWrittenAsEightKeys) {
    StdFont font;
    font.Name = L"Arial";
    font.Size = SettingsNumber::FromScaled(97500);
    font.SetBold(true);
    font.Strikethrough = true;
    IniWriteFont(store, kFile, L"Font", L"Tip", font);
    const struct { const wchar_t* key; const wchar_t* value; } rows[] = {
        {L"TipName", L"Arial"}, {L"TipSize", L"10"}, {L"TipCharset", L"0"}, {L"TipWeight", L"700"},
        {L"TipBold", L"1"}, {L"TipItalic", L"0"}, {L"TipUnder", L"0"}, {L"TipStrike", L"1"}};
    for (const auto& row : rows) EXPECT_EQ(files.Stored(kFile, L"Font", row.key), row.value) << row.key;
    StdFont copy;
    CopyFont(font, copy);
    EXPECT_EQ(std::tuple(copy.Name, copy.Size, copy.Weight, copy.Strikethrough),
              std::tuple(font.Name, font.Size, 700, true));
}

} // namespace
} // namespace morvane
