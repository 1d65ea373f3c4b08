// The leading-number rule through ReadLeadingNumber.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "services/settings_number.h"

namespace morvane {
namespace {

TEST(LeadingNumberTest, TextWithoutANumberAtItsStartReadsAsZero) {
    EXPECT_EQ(ReadLeadingNumber(L"abc"), 0.0);
    EXPECT_EQ(ReadLeadingNumber(L""), 0.0);
    EXPECT_EQ(ReadLeadingNumber(L"-"), 0.0);
    EXPECT_EQ(ReadLeadingNumber(L"."), 0.0);
    EXPECT_EQ(ReadLeadingNumber(L"E5"), 0.0);
    EXPECT_EQ(ReadLeadingNumber(L"--5"), 0.0);
    EXPECT_EQ(ReadLeadingNumber(L"x7"), 0.0);
    EXPECT_FALSE(std::signbit(ReadLeadingNumber(L"-0"))) << "no negative zero";
}

TEST(LeadingNumberTest, BlanksTabsAndLineFeedsAreIgnoredAnywhere) {
    EXPECT_EQ(ReadLeadingNumber(L" 7 "), 7.0);
    EXPECT_EQ(ReadLeadingNumber(L"1 2 3"), 123.0);
    EXPECT_EQ(ReadLeadingNumber(L"\t- 1\n5"), -15.0);
    EXPECT_EQ(ReadLeadingNumber(L"& H F F"), 255.0);
    EXPECT_EQ(ReadLeadingNumber(L"1 E 2"), 100.0);
    EXPECT_EQ(ReadLeadingNumber(L"\r7"), 0.0) << "a carriage return is not ignored";
}

TEST(LeadingNumberTest, ReadingStopsAtTheFirstCharacterThatCannotContinue) {
    EXPECT_EQ(ReadLeadingNumber(L"-20px"), -20.0);
    EXPECT_EQ(ReadLeadingNumber(L"1.2.3"), 1.2);
    EXPECT_EQ(ReadLeadingNumber(L"+5+5"), 5.0);
    EXPECT_EQ(ReadLeadingNumber(L"12,5"), 12.0);
    EXPECT_EQ(ReadLeadingNumber(L"1E"), 1.0);
    EXPECT_EQ(ReadLeadingNumber(L"1E+"), 1.0);
    EXPECT_EQ(ReadLeadingNumber(L"2E3.5"), 2000.0);
}

TEST(LeadingNumberTest, FractionsAndExponents) {
    EXPECT_EQ(ReadLeadingNumber(L".5"), 0.5);
    EXPECT_EQ(ReadLeadingNumber(L"-.5"), -0.5);
    EXPECT_EQ(ReadLeadingNumber(L"5."), 5.0);
    EXPECT_EQ(ReadLeadingNumber(L"1.5E2"), 150.0);
    EXPECT_EQ(ReadLeadingNumber(L"1.5e+2"), 150.0);
    EXPECT_EQ(ReadLeadingNumber(L"2D-1"), 0.2);
    EXPECT_EQ(ReadLeadingNumber(L"2d1"), 20.0);
    EXPECT_EQ(ReadLeadingNumber(L"000012.50"), 12.5);
}

TEST(LeadingNumberTest, HexadecimalAndOctal) {
    EXPECT_EQ(ReadLeadingNumber(L"&HFF"), 255.0);
    EXPECT_EQ(ReadLeadingNumber(L"&hff"), 255.0);
    EXPECT_EQ(ReadLeadingNumber(L"&O17"), 15.0);
    EXPECT_EQ(ReadLeadingNumber(L"&o178"), 15.0) << "8 is not an octal digit";
    EXPECT_EQ(ReadLeadingNumber(L"&H12XYZ"), 18.0);
    EXPECT_EQ(ReadLeadingNumber(L"&H"), 0.0);
    EXPECT_EQ(ReadLeadingNumber(L"&X1"), 0.0);
    EXPECT_EQ(ReadLeadingNumber(L"-&H1"), 0.0) << "a sign does not start a hexadecimal number";
}

TEST(LeadingNumberTest, HexadecimalOfUpTo32BitsIsASigned32BitPattern) {
    EXPECT_EQ(ReadLeadingNumber(L"&HFFFF"), 65535.0) << "16-bit patterns stay positive";
    EXPECT_EQ(ReadLeadingNumber(L"&HFFFFFF"), 16777215.0);
    EXPECT_EQ(ReadLeadingNumber(L"&H7FFFFFFF"), 2147483647.0);
    EXPECT_EQ(ReadLeadingNumber(L"&H80000000"), -2147483648.0);
    EXPECT_EQ(ReadLeadingNumber(L"&HFFFFFFFF"), -1.0);
    EXPECT_EQ(ReadLeadingNumber(L"&H00000000FFFFFFFF"), -1.0) << "leading zeros do not widen";
    EXPECT_EQ(ReadLeadingNumber(L"&O37777777777"), -1.0);
    EXPECT_EQ(ReadLeadingNumber(L"&H100000000"), 4294967296.0) << "wider values keep their size";
    EXPECT_EQ(ReadLeadingNumber(L"&H" + std::wstring(20, L'F')), std::ldexp(1.0, 80) - 1.0);
}

TEST(LeadingNumberTest, OnlyTheFirst254CharactersAreRead) {
    EXPECT_EQ(ReadLeadingNumber(std::wstring(253, L' ') + L"7"), 7.0);
    EXPECT_EQ(ReadLeadingNumber(std::wstring(254, L' ') + L"7"), 0.0);
    EXPECT_EQ(ReadLeadingNumber(L"1" + std::wstring(253, L' ') + L"2"), 1.0);
}

TEST(LeadingNumberTest, HugeAndTinyValuesDoNotFail) {
    EXPECT_EQ(ReadLeadingNumber(L"1E999999999999"), HUGE_VAL);
    EXPECT_EQ(ReadLeadingNumber(L"-1E400"), -HUGE_VAL);
    EXPECT_EQ(ReadLeadingNumber(L"1E-400"), 0.0);
    EXPECT_EQ(ReadLeadingNumber(std::wstring(250, L'9')), 1e250);
}

} // namespace
} // namespace morvane
