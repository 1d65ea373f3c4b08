// Number rules: the leading-number reading, the four-digit settings number and
// half-to-even rounding. (Twips, pixels and the small utilities are seen
// through the layouts at every display scale.)
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "services/leading_number.h"
#include "services/settings_number.h"

namespace morvane {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
SettingsNumber Scaled(std::int64_t scaled) { return SettingsNumber::FromScaled(scaled); }

TEST(Numbers, LeadingNumber) {
    const struct { std::wstring text; double value; } rows[] = {
        {L"abc", 0}, {L"", 0}, {L"-", 0}, {L"E5", 0}, {L"--5", 0}, {L"-&H1", 0}, {L"&H", 0}, {L" 7 ", 7}, {L"1 2 3", 123},
        {L"\t- 1\n5", -15}, {L"& H F F", 255}, {L"\r7", 0}, {L"-20px", -20}, {L"1.2.3", 1.2}, {L"12,5", 12}, {L"1E+", 1},
        {L"2E3.5", 2000}, {L"-.5", -0.5}, {L"1.5e+2", 150}, {L"2D-1", 0.2}, {L"000012.50", 12.5},
        {L"&hff", 255}, {L"&o178", 15}, {L"&H12XYZ", 18}, {L"&HFFFF", 65535}, {L"&H7FFFFFFF", 2147483647},
        {L"&H80000000", -2147483648.0}, {L"&HFFFFFFFF", -1}, {L"&H00000000FFFFFFFF", -1},
        {L"&O37777777777", -1}, {L"&H100000000", 4294967296.0},
        {std::wstring(253, L' ') + L"7", 7}, {std::wstring(254, L' ') + L"7", 0},
        {L"1" + std::wstring(253, L' ') + L"2", 1}, {L"-1E400", -HUGE_VAL}, {L"1E-400", 0}};
    for (const auto& row : rows) {
        const std::optional<std::int64_t> read = ScaleHalfEven(ScanLeadingNumber(row.text), 4);
        const double value = read ? static_cast<double>(*read) / 1e4 : -HUGE_VAL;
        EXPECT_EQ(value, row.value) << "\"" << row.text << "\"";
    }
}

TEST(Numbers, SettingsNumberFromText) {
    const struct { const wchar_t* text; std::optional<std::int64_t> scaled; } rows[] = {
        {L"922337203685477.5807", kMax}, {L"-922337203685477.5808", kMin}, {L"922337203685477.5808", {}},
        {L"922337203685477.58075", {}}, {L"922337203685477.58065", kMax - 1}, {L"1E400", {}},
        {L"0.00005", 0}, {L"0.00015", 2}, {L"0.000050000000000000000001", 1}, {L"-2.00025", -20002},
        {L"-2.00035", -20004}, {L"1.23456789", 12346}, {L"6E-5", 1}, {L"&HFFFFFFFF", -10000}};
    for (const auto& row : rows) {
        const std::optional<SettingsNumber> read = ReadSettingsNumber(row.text);
        EXPECT_EQ(read ? std::optional(read->Scaled()) : std::nullopt, row.scaled) << row.text;
    }
}

TEST(Numbers, NumberTextIsShortestAndReadsBack) {
    const struct { std::int64_t scaled; const wchar_t* text; } rows[] = {
        {80000, L"8"}, {-1500000, L"-150"}, {0, L"0"}, {15000, L"1.5"}, {5000, L".5"}, {-2500, L"-.25"},
        {1, L".0001"}, {-120300, L"-12.03"}, {kMax, L"922337203685477.5807"}, {kMin, L"-922337203685477.5808"}};
    for (const auto& row : rows) {
        EXPECT_EQ(NumberText(Scaled(row.scaled)), row.text) << row.scaled;
        EXPECT_EQ(ReadSettingsNumber(row.text), Scaled(row.scaled)) << row.text;
    }
}

TEST(Numbers, HalfToEven) {
    const struct { double value; std::int64_t whole; } rows[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {-0.5, 0}, {9.75, 10}, {2.5001, 3}, {-0.4999, 0},
        {0.49999999999999994, 0}, {1e300, kMax}, {-1e300, kMin}, {std::nan(""), 0}};
    for (const auto& row : rows) EXPECT_EQ(RoundHalfEven(row.value), row.whole) << row.value;
    // The settings number made whole: the same rule on exact decimals, also at its limits.
    EXPECT_EQ(std::tuple(Scaled(25000).Whole(), Scaled(-35000).Whole(), Scaled(kMax).Whole(), Scaled(kMin).Whole()),
              std::tuple(2, -4, 922337203685478, -922337203685478));
}

} // namespace
} // namespace morvane
