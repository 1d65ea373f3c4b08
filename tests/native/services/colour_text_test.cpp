#include "services/colour_text.h"

#include <gtest/gtest.h>

#include <string>

#include "doubles/fake_profile_files.h"

namespace morvane {
namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x00FF00;
constexpr Colour kWhite = 0xFFFFFF;

TEST(ColourTextTest, ColourTextIsSixCapitalDigitsBlueGreenRed) {
    EXPECT_EQ(ColourText(kRed), L"0000FF");
    EXPECT_EQ(ColourText(0), L"000000");
    EXPECT_EQ(ColourText(kWhite), L"FFFFFF");
    EXPECT_EQ(ColourText(0xFF0000), L"FF0000");
    EXPECT_EQ(ColourText(0xABCDEF), L"ABCDEF");
    EXPECT_EQ(ColourText(0x1ABCDEF), L"1ABCDEF") << "never cut";
}

TEST(ColourTextTest, ParseReadsHexDigitsFromTheFirstSixCharacters) {
    EXPECT_EQ(ParseColourText(L"0000ff"), kRed);
    EXPECT_EQ(ParseColourText(L"FFFFFF"), kWhite);
    EXPECT_EQ(ParseColourText(L"12XYZ0"), 0x12u);
    EXPECT_EQ(ParseColourText(L""), 0u);
    EXPECT_EQ(ParseColourText(L"red"), 0u);
    EXPECT_EQ(ParseColourText(L"0000FF00"), kRed) << "only the first six characters count";
    EXPECT_EQ(ParseColourText(L"00 FF 00"), 0xFFu) << "blanks are skipped, but count among the six";
}

CustomColours Entries(std::initializer_list<std::pair<std::size_t, std::int32_t>> set) {
    CustomColours colours{};
    for (const auto& [index, value] : set) colours[index] = value;
    return colours;
}

TEST(ColourTextTest, ColourListKeepsPositionsAfterTheFirstColour) {
    const CustomColours colours = Entries({{0, kRed}, {2, kGreen}});
    const std::wstring text = BuildColourListText(colours);
    EXPECT_EQ(text, L"0000FF  00FF00");
    EXPECT_EQ(ParseColourListText(text), colours);
}

TEST(ColourTextTest, ColourListDropsLeadingBlacks) {
    const std::wstring text = BuildColourListText(Entries({{2, kRed}}));
    EXPECT_EQ(text, L"0000FF");
    EXPECT_EQ(ParseColourListText(text), Entries({{0, kRed}}));
}

TEST(ColourTextTest, AllBlackColourListIsEmpty) {
    EXPECT_EQ(BuildColourListText(CustomColours{}), L"");
    EXPECT_EQ(ParseColourListText(L""), CustomColours{});
}

TEST(ColourTextTest, AFullColourListRoundTrips) {
    CustomColours colours{};
    for (std::size_t i = 0; i < colours.size(); ++i) colours[i] = static_cast<std::int32_t>(0x10101 * (i + 1));
    colours[15] = -1;
    const std::wstring text = BuildColourListText(colours);
    EXPECT_EQ(text.substr(text.size() - 8), L"FFFFFFFF");
    EXPECT_EQ(ParseColourListText(text), colours);
}

TEST(ColourTextTest, ColourListPiecesThatCannotBeReadLeaveTheirEntryBlack) {
    const CustomColours colours = ParseColourListText(L"0000FF xyz 1FFFFFFFF 00FF00junk   FF");
    EXPECT_EQ(colours, Entries({{0, kRed}, {3, kGreen}, {6, 0xFF}}));
}

TEST(ColourTextTest, ColourListReadsNoMoreThanSixteenEntries) {
    std::wstring text;
    for (int i = 0; i < 17; ++i) text += L"1 ";
    CustomColours ones;
    ones.fill(1);
    EXPECT_EQ(ParseColourListText(text), ones);
}

class ColourStoreTest : public ::testing::Test {
protected:
    const std::wstring file = L"C:\\Tools\\Morvane3.dat";
    FakeProfileFiles files;
    SettingsStore store{files};
};

TEST_F(ColourStoreTest, ReadColourFallsBackToTheDefaultText) {
    EXPECT_EQ(ReadColour(store, file, L"Main", L"ForeColor", L"0000FF"), kRed);
    files.PutValue(file, L"Main", L"ForeColor", L"0000FF00");
    files.PutValue(file, L"Main", L"BackColor", L"white");
    EXPECT_EQ(ReadColour(store, file, L"Main", L"ForeColor", L"FFFFFF"), kRed);
    EXPECT_EQ(ReadColour(store, file, L"Main", L"BackColor", L"FFFFFF"), 0u) << "a present non-hex text is black";
}

TEST_F(ColourStoreTest, WriteColourStoresSixDigitsThatReadBack) {
    WriteColour(store, file, L"Main", L"BackColor", 0xFF);
    EXPECT_EQ(files.StoredValue(file, L"Main", L"BackColor"), L"0000FF");
    EXPECT_EQ(ReadColour(store, file, L"Main", L"BackColor", L"FFFFFF"), kRed);
}

TEST_F(ColourStoreTest, CustomColoursRoundTripThroughTheShowColorSection) {
    const CustomColours colours = Entries({{0, kRed}, {2, kGreen}});
    WriteCustomColours(store, file, colours);
    EXPECT_EQ(files.StoredValue(file, L"ShowColor", L"Custom"), L"0000FF  00FF00");
    EXPECT_EQ(ReadCustomColours(store, file), colours);

    WriteCustomColours(store, file, CustomColours{});
    EXPECT_EQ(files.StoredValue(file, L"ShowColor", L"Custom"), L" ") << "all black is stored as one blank";
    EXPECT_EQ(ReadCustomColours(store, file), CustomColours{});
}

} // namespace
} // namespace morvane
