#include "services/utilities.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "doubles/fake_ansi_code_page.h"

namespace morvane {
namespace {

SettingsNumber Scaled(std::int64_t scaled) { return SettingsNumber::FromScaled(scaled); }

TEST(UtilitiesTest, MinOfAndMaxOfPickThenGoToTheEvenNeighbourOnAHalf) {
    EXPECT_EQ(MinOf(Scaled(25000), 7), 2);
    EXPECT_EQ(MaxOf(Scaled(35000), 1), 4);
    EXPECT_EQ(MinOf(7, Scaled(25000)), 2);
    EXPECT_EQ(MaxOf(1, Scaled(35000)), 4);
    EXPECT_EQ(MaxOf(Scaled(97500), 1), 10);
    EXPECT_EQ(MaxOf(-3, 1), 1);
    EXPECT_EQ(MinOf(-190, -200), -200);
}

TEST(UtilitiesTest, MinOfAndMaxOfHoldValuesBeyond32BitsAtTheLimit) {
    constexpr std::int64_t kThreeBillion = 3'000'000'000;
    EXPECT_EQ(MaxOf(Scaled(kThreeBillion * SettingsNumber::kScale), 0), 2147483647);
    EXPECT_EQ(MinOf(Scaled(-kThreeBillion * SettingsNumber::kScale), 0), -2147483647 - 1);
}

TEST(UtilitiesTest, InRangeIncludesBothBoundsInEitherOrder) {
    EXPECT_TRUE(InRange(5, 10, 1));
    EXPECT_TRUE(InRange(5, 1, 10));
    EXPECT_TRUE(InRange(10, 1, 10));
    EXPECT_TRUE(InRange(1, 10, 1));
    EXPECT_FALSE(InRange(11, 1, 10));
    EXPECT_FALSE(InRange(0.5, 10, 1));
}

TEST(UtilitiesTest, PadLeftFillsFromThePatternAndNeverCuts) {
    EXPECT_EQ(PadLeft(L"FF", L"000000"), L"0000FF");
    EXPECT_EQ(PadLeft(L"", L"000000"), L"000000");
    EXPECT_EQ(PadLeft(L"1234567", L"000000"), L"1234567");
    EXPECT_EQ(PadLeft(L"xy", L"abcd"), L"abxy");
}

TEST(UtilitiesTest, BitOf) {
    EXPECT_EQ(BitOf(true), 1);
    EXPECT_EQ(BitOf(false), 0);
}

TEST(UtilitiesTest, BytesToTextStopsAtTheFirstZeroUnlessZerosAreKept) {
    const FakeAnsiCodePage ansi;
    const std::array<std::uint8_t, 3> bytes = {65, 0, 66};
    EXPECT_EQ(BytesToText(ansi, bytes), L"A");
    EXPECT_EQ(BytesToText(ansi, bytes, {}, {}, true), (std::wstring{L'A', L'\0', L'B'}));
}

TEST(UtilitiesTest, BytesToTextTakesTheGivenRangeAndStopsAtTheEnd) {
    const FakeAnsiCodePage ansi;
    const std::array<std::uint8_t, 4> bytes = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(BytesToText(ansi, bytes, 1, 2), L"bc");
    EXPECT_EQ(BytesToText(ansi, bytes, 2), L"cd");
    EXPECT_EQ(BytesToText(ansi, bytes, 3, 10), L"d");
    EXPECT_EQ(BytesToText(ansi, bytes, 9), L"");
    EXPECT_EQ(BytesToText(ansi, {}), L"");
}

TEST(UtilitiesTest, BytesToTextDecodesInTheAnsiCodePage) {
    const FakeAnsiCodePage ansi;
    const std::array<std::uint8_t, 3> bytes = {0xAE, 0x99, 0xE9};
    EXPECT_EQ(BytesToText(ansi, bytes), L"\u00AE\u2122\u00E9");
}

TEST(UtilitiesTest, RepeatText) {
    EXPECT_EQ(RepeatText(L"\r\n", 7), L"\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(RepeatText(L"ab", 0), L"");
    EXPECT_EQ(RepeatText(L"ab", -3), L"");
}

TEST(UtilitiesTest, VersionTextHasTwoMinorDigitsAndFourRevisionDigitsWhenThereIsARevision) {
    EXPECT_EQ(VersionText(3, 23, 0), L"3.23");
    EXPECT_EQ(VersionText(3, 5, 7), L"3.05.0007");
    EXPECT_EQ(VersionText(10, 0, 1234), L"10.00.1234");
}

TEST(UtilitiesTest, StripMnemonicsRemovesAccessKeysAndATrailingEllipsis) {
    EXPECT_EQ(StripMnemonics(L"&Position..."), L"Position");
    EXPECT_EQ(StripMnemonics(L"Fonts & colours"), L"Fonts & colours");
    EXPECT_EQ(StripMnemonics(L"&&"), L"");
    EXPECT_EQ(StripMnemonics(L"&Fonts && &colours"), L"Fonts & colours");
    EXPECT_EQ(StripMnemonics(L"Wait...."), L"Wait.");
    EXPECT_EQ(StripMnemonics(L"Dots... here"), L"Dots... here");
    EXPECT_EQ(StripMnemonics(L"A\x01"), L"A\x01") << "a control character in a caption is kept as it is";
}

} // namespace
} // namespace morvane
