#include "services/display_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/fake_system.h"

namespace morvane {
namespace {

TEST(DisplaySettingsTest, StoredValuesReadAsOptionsBadOnesAsDefaults) {
    struct Row {
        std::vector<std::pair<std::wstring, std::wstring>> stored;
        DisplayOptions expected;
    };
    DisplayOptions overText, afterChange, seconds1, seconds60, seconds7, allFlags;
    overText.show = ShowMode::OverText;
    afterChange.show = ShowMode::AfterChange;
    seconds1.showSeconds = 1;
    seconds60.showSeconds = 60;
    seconds7.showSeconds = 7;
    allFlags.fullScreen = allFlags.country = allFlags.capsMark = allFlags.noCapture = true;
    const Row rows[] = {
        {{}, DisplayOptions{}},
        {{{L"Show", L"1"}}, overText},
        {{{L"Show", L"2"}}, afterChange},
        {{{L"Show", L"3"}}, DisplayOptions{}},
        {{{L"Show", L"1.5"}}, DisplayOptions{}},
        {{{L"ShowSeconds", L"0"}}, seconds1},
        {{{L"ShowSeconds", L"99"}}, seconds60},
        {{{L"ShowSeconds", L"7"}}, seconds7},
        {{{L"FullScreen", L"1"}, {L"Country", L"1"}, {L"CapsMark", L"1"}, {L"NoCapture", L"1"}}, allFlags},
        {{{L"FullScreen", L"2"}, {L"Country", L"yes"}, {L"CapsMark", L"-1"}, {L"NoCapture", L"0"}},
         DisplayOptions{}},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        FakeProfileFiles files;
        for (const auto& [key, value] : rows[i].stored) files.PutValue(L"m.dat", L"Main", key, value);
        EXPECT_EQ(ReadDisplayOptions(SettingsStore{files}, L"m.dat"), rows[i].expected) << "row " << i;
        EXPECT_EQ(files.writes, 0) << "row " << i;
    }
}

} // namespace
} // namespace morvane
