#include "pickers/font_description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "doubles/fake_ansi_code_page.h"
#include "pickers/mul_div.h"

namespace morvane {
namespace {

TEST(MulDivTest, RoundsToNearestWithHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(10, 96, 72), 13);
    EXPECT_EQ(MulDiv(-13, 72, 96), -10);
    EXPECT_EQ(MulDiv(1, 3, 2), 2);
    EXPECT_EQ(MulDiv(-1, 3, 2), -2);
    EXPECT_EQ(MulDiv(1, -3, 2), -2);
    EXPECT_EQ(MulDiv(-3, -3, -2), -5);
}

TEST(MulDivTest, ZeroDivisorOrOverflowGivesMinusOne) {
    EXPECT_EQ(MulDiv(12, 96, 0), -1);
    EXPECT_EQ(MulDiv(0x40000000, 4, 1), -1);
    EXPECT_EQ(MulDiv(-0x40000000, 2, 1), -1) << "the most negative 32-bit number counts as overflow";
    EXPECT_EQ(MulDiv(0x40000000, 0x40000000, 0x40000000), 0x40000000) << "the product is 64-bit";
}

// A double-byte code page for the tests: ASCII keeps one byte, the characters
// U+4E00..U+4EFF take the lead byte 0x82 and their low byte as trail byte.
class DoubleByteCodePage : public AnsiCodePage {
public:
    std::wstring Decode(std::string_view bytes) const override {
        std::wstring text;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            if (byte != 0x82 || i + 1 == bytes.size()) {
                text.push_back(static_cast<wchar_t>(byte));
                continue;
            }
            text.push_back(static_cast<wchar_t>(0x4E00 + static_cast<unsigned char>(bytes[++i])));
        }
        return text;
    }
    std::string Encode(std::wstring_view text) const override {
        std::string bytes;
        for (const wchar_t c : text) {
            if (c < 0x80) {
                bytes.push_back(static_cast<char>(c));
            } else {
                bytes.push_back(static_cast<char>(0x82));
                bytes.push_back(static_cast<char>(c - 0x4E00));
            }
        }
        return bytes;
    }
};

std::string FieldText(const std::array<std::uint8_t, 32>& field) {
    return std::string(field.begin(), std::find(field.begin(), field.end(), std::uint8_t{0}));
}

StdFont Tahoma(SettingsNumber size) {
    StdFont font;
    font.Name = L"Tahoma";
    font.Size = size;
    return font;
}

class FontDescriptionTest : public ::testing::Test {
protected:
    FakeAnsiCodePage ansi;
};

TEST_F(FontDescriptionTest, FaceNameIsTheAnsiFormFilledWithZeros) {
    const std::array<std::uint8_t, 32> field = FaceNameField(ansi, L"Caf\u00E9 \u4E2D");
    EXPECT_EQ(FieldText(field), "Caf\xE9 ?") << "a character without a code becomes the default character";
    EXPECT_TRUE(std::all_of(field.begin() + 6, field.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST_F(FontDescriptionTest, LongFaceNameIsCutToThirtyOneBytesAndKeepsItsZero) {
    const std::wstring exact(31, L'x');
    EXPECT_EQ(FieldText(FaceNameField(ansi, exact)), std::string(31, 'x'));
    const std::array<std::uint8_t, 32> field = FaceNameField(ansi, std::wstring(40, L'y'));
    EXPECT_EQ(FieldText(field), std::string(31, 'y'));
    EXPECT_EQ(field[31], 0);
}

TEST_F(FontDescriptionTest, LongFaceNameIsNeverCutInsideADoubleByteCharacter) {
    const DoubleByteCodePage dbcs;
    const std::wstring name = std::wstring(30, L'a') + L"\u4E2D\u4E2E";
    const std::array<std::uint8_t, 32> field = FaceNameField(dbcs, name);
    EXPECT_EQ(FieldText(field), std::string(30, 'a')) << "the lead byte alone would fit, but not the character";
    const std::array<std::uint8_t, 32> even = FaceNameField(dbcs, std::wstring(29, L'a') + L"\u4E2D\u4E2E");
    EXPECT_EQ(FieldText(even), std::string(29, 'a') + "\x82\x2D");
    EXPECT_EQ(dbcs.Decode(FieldText(even)), std::wstring(29, L'a') + L"\u4E2D");
}

TEST_F(FontDescriptionTest, HeightComesFromTheWholePointSize) {
    EXPECT_EQ(FontDescriptionFromFont(Tahoma(SettingsNumber::FromScaled(97500)), 96, ansi).height, -13)
        << "9.75 points open as 10";
    EXPECT_EQ(FontDescriptionFromFont(Tahoma(10), 96, ansi).height, -13);
    EXPECT_EQ(FontDescriptionFromFont(Tahoma(SettingsNumber::FromScaled(82500)), 96, ansi).height, -11)
        << "8.25 points open as 8";
    EXPECT_EQ(FontDescriptionFromFont(Tahoma(SettingsNumber::FromScaled(85000)), 96, ansi).height, -11)
        << "8.5 points open as 8, the half to the even neighbour";
    EXPECT_EQ(FontDescriptionFromFont(Tahoma(10), 120, ansi).height, -17);
}

TEST_F(FontDescriptionTest, DescriptionCarriesStyleCharsetAndName) {
    StdFont font = Tahoma(12);
    font.SetBold(true);
    font.Italic = true;
    font.Strikethrough = true;
    font.Charset = 204;
    const FontDescription bold = FontDescriptionFromFont(font, 96, ansi);
    EXPECT_EQ(bold.weight, 700);
    EXPECT_EQ(bold.italic, 1);
    EXPECT_EQ(bold.underline, 0);
    EXPECT_EQ(bold.strikeOut, 1);
    EXPECT_EQ(bold.charset, 204);
    EXPECT_EQ(FieldText(bold.faceName), "Tahoma");
    EXPECT_EQ(bold.width, 0);
    EXPECT_EQ(bold.quality, 0);

    font.SetBold(false);
    font.Underline = true;
    const FontDescription plain = FontDescriptionFromFont(font, 96, ansi);
    EXPECT_EQ(plain.weight, 0) << "not bold means no preference";
    EXPECT_EQ(plain.underline, 1);
}

FontDescription Chosen(std::int32_t height, std::int32_t weight) {
    FontDescription description;
    description.height = height;
    description.weight = weight;
    const std::string name = "Arial";
    std::copy(name.begin(), name.end(), description.faceName.begin());
    return description;
}

TEST_F(FontDescriptionTest, OnlyWeightSevenHundredComesBackBold) {
    for (const std::int32_t weight : {0, 400, 600, 900}) {
        const StdFont font = LogFontToFont(Chosen(-16, weight), 96, ansi);
        EXPECT_FALSE(font.Bold()) << "weight " << weight;
        EXPECT_EQ(font.Weight, 400) << "weight " << weight;
    }
    const StdFont bold = LogFontToFont(Chosen(-16, 700), 96, ansi);
    EXPECT_TRUE(bold.Bold());
    EXPECT_EQ(bold.Weight, 700);
}

TEST_F(FontDescriptionTest, SizeIsWholePointsFromTheHeightAndResolution) {
    EXPECT_EQ(LogFontToFont(Chosen(-13, 400), 96, ansi).Size, SettingsNumber(10)) << "9.75 rounds to 10";
    EXPECT_EQ(LogFontToFont(Chosen(-16, 400), 96, ansi).Size, SettingsNumber(12));
    EXPECT_EQ(LogFontToFont(Chosen(-16, 400), 120, ansi).Size, SettingsNumber(10)) << "9.6 rounds to 10";
    EXPECT_EQ(LogFontToFont(Chosen(-2, 400), 96, ansi).Size, SettingsNumber(2)) << "1.5 rounds away from zero";
    EXPECT_EQ(LogFontToFont(Chosen(12, 400), 96, ansi).Size, SettingsNumber(9)) << "a positive height counts too";
}

TEST_F(FontDescriptionTest, FontTakesEffectsCharsetAndName) {
    FontDescription description = Chosen(-16, 400);
    description.italic = 255;
    description.underline = 1;
    description.strikeOut = 0;
    description.charset = 238;
    const StdFont font = LogFontToFont(description, 96, ansi);
    EXPECT_TRUE(font.Italic);
    EXPECT_TRUE(font.Underline);
    EXPECT_FALSE(font.Strikethrough);
    EXPECT_EQ(font.Charset, 238);
    EXPECT_EQ(font.Name, L"Arial");
}

TEST_F(FontDescriptionTest, FaceNameWithoutZeroByteStopsAtTheFieldEnd) {
    FontDescription description = Chosen(-16, 400);
    description.faceName.fill('z');
    EXPECT_EQ(LogFontToFont(description, 96, ansi).Name, std::wstring(32, L'z'));
}

TEST_F(FontDescriptionTest, AFractionalSizeComesBackWhole) {
    for (const std::int32_t dpi : {96, 120, 144}) {
        const StdFont font = Tahoma(SettingsNumber::FromScaled(97500));
        const StdFont back = LogFontToFont(FontDescriptionFromFont(font, dpi, ansi), dpi, ansi);
        EXPECT_EQ(back.Size, SettingsNumber(10)) << dpi << " dots per inch";
        EXPECT_EQ(back.Name, L"Tahoma");
    }
}

} // namespace
} // namespace morvane
