#include "services/display_settings.h"

#include <gtest/gtest.h>

#include "doubles/fake_system.h"

namespace morvane {
namespace {

TEST(DisplaySettingsTest, StoredValuesReadAsOptionsBadOnesAsDefaults) {
    // Stored "key=value" pairs; the options read: show mode, seconds, and the five flags in menu order.
    const struct { std::vector<std::pair<std::wstring, std::wstring>> stored; int show, seconds; std::string flags; } rows[] = {
        {{}, 0, 2, "00000"}, {{{L"Show", L"1"}}, 1, 2, "00000"}, {{{L"Show", L"2"}}, 2, 2, "00000"},
        {{{L"Show", L"3"}}, 0, 2, "00000"}, {{{L"Show", L"1.5"}}, 0, 2, "00000"}, {{{L"ShowSeconds", L"0"}}, 0, 1, "00000"},
        {{{L"ShowSeconds", L"99"}}, 0, 60, "00000"}, {{{L"ShowSeconds", L"7"}}, 0, 7, "00000"},
        {{{L"FullScreen", L"1"}, {L"KeepInside", L"1"}, {L"Country", L"1"}, {L"CapsMark", L"1"}, {L"NoCapture", L"1"}}, 0, 2, "11111"},
        {{{L"FullScreen", L"1"}, {L"Country", L"yes"}, {L"CapsMark", L"-1"}, {L"NoCapture", L"2"}, {L"KeepInside", L"on"}}, 0, 2, "10000"}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        FakeProfileFiles files;
        for (const auto& [key, value] : rows[i].stored) files.PutValue(L"m.dat", L"Main", key, value);
        const DisplayOptions o = ReadDisplayOptions(SettingsStore{files}, L"m.dat");
        const std::string flags{"01"[o.fullScreen], "01"[o.keepInside], "01"[o.country], "01"[o.capsMark], "01"[o.noCapture]};
        EXPECT_EQ(std::tuple(static_cast<int>(o.show), o.showSeconds, flags, files.writes),
                  std::tuple(rows[i].show, rows[i].seconds, rows[i].flags, 0)) << "row " << i;
    }
}

} // namespace
} // namespace morvane
