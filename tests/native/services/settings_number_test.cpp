#include "services/settings_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace morvane {
namespace {

constexpr std::int64_t kMaxScaled = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMinScaled = std::numeric_limits<std::int64_t>::min();

SettingsNumber Scaled(std::int64_t scaled) { return SettingsNumber::FromScaled(scaled); }

TEST(SettingsNumberTest, FromDoubleRoundsToFourDigitsHalfToEven) {
    EXPECT_EQ(SettingsNumber::FromDouble(1.23456), Scaled(12346));
    EXPECT_EQ(SettingsNumber::FromDouble(0.00005), Scaled(0)) << "half goes to the even 0";
    EXPECT_EQ(SettingsNumber::FromDouble(0.00015), Scaled(2)) << "half goes to the even 2";
    EXPECT_EQ(SettingsNumber::FromDouble(0.00025), Scaled(2));
    EXPECT_EQ(SettingsNumber::FromDouble(-0.00015), Scaled(-2));
    EXPECT_EQ(SettingsNumber::FromDouble(9.75), Scaled(97500));
}

TEST(SettingsNumberTest, FromDoubleGivesNothingOutsideTheRangeOrForNonFiniteValues) {
    EXPECT_EQ(SettingsNumber::FromDouble(922337203685477.0), Scaled(9223372036854770000));
    EXPECT_FALSE(SettingsNumber::FromDouble(922337203685478.0));
    EXPECT_FALSE(SettingsNumber::FromDouble(-922337203685478.0));
    EXPECT_FALSE(SettingsNumber::FromDouble(1e300));
    EXPECT_FALSE(SettingsNumber::FromDouble(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(SettingsNumber::FromDouble(std::nan("")));
}

TEST(SettingsNumberTest, ReadSettingsNumberKeepsTheFullRangeExactly) {
    EXPECT_EQ(ReadSettingsNumber(L"922337203685477.5807"), Scaled(kMaxScaled));
    EXPECT_EQ(ReadSettingsNumber(L"-922337203685477.5808"), Scaled(kMinScaled));
    EXPECT_FALSE(ReadSettingsNumber(L"922337203685477.5808"));
    EXPECT_FALSE(ReadSettingsNumber(L"-922337203685477.5809"));
    EXPECT_FALSE(ReadSettingsNumber(L"922337203685477.58075")) << "rounds to the even ...5808, out of range";
    EXPECT_EQ(ReadSettingsNumber(L"922337203685477.58065"), Scaled(kMaxScaled - 1));
    EXPECT_FALSE(ReadSettingsNumber(L"1E400"));
    EXPECT_FALSE(ReadSettingsNumber(std::wstring(40, L'9')));
}

TEST(SettingsNumberTest, ReadSettingsNumberRoundsTheDigitsAsWritten) {
    EXPECT_EQ(ReadSettingsNumber(L"0.00005"), Scaled(0));
    EXPECT_EQ(ReadSettingsNumber(L"0.00015"), Scaled(2));
    EXPECT_EQ(ReadSettingsNumber(L"0.000050000000000000000001"), Scaled(1)) << "just above a half";
    EXPECT_EQ(ReadSettingsNumber(L"-2.00025"), Scaled(-20002));
    EXPECT_EQ(ReadSettingsNumber(L"-2.00035"), Scaled(-20004));
    EXPECT_EQ(ReadSettingsNumber(L"1.23456789"), Scaled(12346));
    EXPECT_EQ(ReadSettingsNumber(L"1E-400"), Scaled(0));
    EXPECT_EQ(ReadSettingsNumber(L"5E-5"), Scaled(0));
    EXPECT_EQ(ReadSettingsNumber(L"6E-5"), Scaled(1));
}

TEST(SettingsNumberTest, DoubleAndExactReadingsAgree) {
    for (const wchar_t* text : {L"0.00015", L"-20px", L"9.75", L"&HFFFFFFFF", L"1.5E2", L"123456.78905"}) {
        EXPECT_EQ(SettingsNumber::FromDouble(ReadLeadingNumber(text)), ReadSettingsNumber(text)) << text;
    }
}

TEST(SettingsNumberTest, WholeGoesToTheNearestAndHalvesToEven) {
    EXPECT_EQ(Scaled(25000).Whole(), 2);
    EXPECT_EQ(Scaled(35000).Whole(), 4);
    EXPECT_EQ(Scaled(-25000).Whole(), -2);
    EXPECT_EQ(Scaled(-35000).Whole(), -4);
    EXPECT_EQ(Scaled(97500).Whole(), 10);
    EXPECT_EQ(Scaled(85000).Whole(), 8);
    EXPECT_EQ(Scaled(25001).Whole(), 3);
    EXPECT_EQ(Scaled(-4999).Whole(), 0);
    EXPECT_EQ(Scaled(kMaxScaled).Whole(), 922337203685478);
    EXPECT_EQ(Scaled(kMinScaled).Whole(), -922337203685478);
}

TEST(SettingsNumberTest, RoundHalfEvenOnDoubles) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(0.49999999999999994), 0);
    EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(RoundHalfEven(-1e300), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

TEST(SettingsNumberTest, NumberTextIsTheShortestDecimalForm) {
    EXPECT_EQ(NumberText(8), L"8");
    EXPECT_EQ(NumberText(-150), L"-150");
    EXPECT_EQ(NumberText(0), L"0");
    EXPECT_EQ(NumberText(Scaled(15000)), L"1.5");
    EXPECT_EQ(NumberText(Scaled(5000)), L".5");
    EXPECT_EQ(NumberText(Scaled(-2500)), L"-.25");
    EXPECT_EQ(NumberText(Scaled(1)), L".0001");
    EXPECT_EQ(NumberText(Scaled(-120300)), L"-12.03");
    EXPECT_EQ(NumberText(Scaled(kMaxScaled)), L"922337203685477.5807");
    EXPECT_EQ(NumberText(Scaled(kMinScaled)), L"-922337203685477.5808");
}

TEST(SettingsNumberTest, NumberTextReadsBackAsTheSameNumber) {
    for (const std::int64_t scaled : {std::int64_t{0}, std::int64_t{5000}, std::int64_t{-2500}, std::int64_t{-1500000},
                                      std::int64_t{123456789}, kMaxScaled, kMinScaled}) {
        EXPECT_EQ(ReadSettingsNumber(NumberText(Scaled(scaled))), Scaled(scaled)) << scaled;
    }
}

} // namespace
} // namespace morvane
