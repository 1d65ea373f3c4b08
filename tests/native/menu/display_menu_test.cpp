#include "menu/display_menu.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "doubles/fake_system.h"
#include "platform/display_facts.h"

namespace morvane {
namespace {

const std::wstring kFile = L"C:\\Tools\\Morvane3.dat";

struct DisplayMenuTest : ::testing::Test, DisplayTarget {
    std::wstring SettingsFile() const override { return kFile; }
    void SetDisplayOptions(const DisplayOptions& options) override { given = options; }
    static std::uint16_t Id(DisplayItem item) { return kDisplayItems[std::size_t(item)].commandId; }
    // The checked items among the mark changes, in menu order.
    std::vector<DisplayItem> Checked(const MarkChanges& marks) {
        std::vector<DisplayItem> on;
        for (const auto& design : kDisplayItems)
            for (const MarkChange& mark : marks)
                if (mark.commandId == design.commandId && mark.on) on.push_back(design.item);
        return on;
    }
    FakeProfileFiles files;
    SettingsStore store{files};
    std::optional<DisplayOptions> given;
    DisplayCommands commands{store, *this, true};
};

TEST_F(DisplayMenuTest, MarksFollowTheFileWithOneShowModeChecked) {
    files.PutValue(kFile, L"Main", L"Show", L"2");
    files.PutValue(kFile, L"Main", L"Country", L"1");
    EXPECT_EQ(commands.Marks().size(), 8u);
    EXPECT_EQ(Checked(commands.Marks()), (std::vector{DisplayItem::AfterChange, DisplayItem::Country}));
}

TEST_F(DisplayMenuTest, ChoosingAnItemWritesItsKeyAtOnceAndHandsTheOptionsOn) {
    using enum DisplayItem;
    const struct { DisplayItem item; std::wstring key, value; int writes; } rows[] = {
        {OverText, L"Show", L"1", 1}, {OverText, L"Show", L"1", 0}, {AfterChange, L"Show", L"2", 1},
        {Always, L"Show", L"0", 1}, {FullScreen, L"FullScreen", L"1", 1}, {KeepInside, L"KeepInside", L"1", 1}, {Country, L"Country", L"1", 1},
        {CapsMark, L"CapsMark", L"1", 1}, {NoCapture, L"NoCapture", L"1", 1}, {Country, L"Country", L"0", 1}};
    for (const auto& row : rows) {
        const int writes = files.writes;
        const MarkChanges marks = commands.Choose(row.item);
        ASSERT_TRUE(given) << row.key;
        EXPECT_EQ(std::tuple(files.Stored(kFile, L"Main", row.key), files.writes - writes), std::tuple(row.value, row.writes))
            << row.key << "=" << row.value;
        EXPECT_EQ(*given, ReadDisplayOptions(store, kFile)) << row.key;
        EXPECT_EQ(marks, DisplayMarks(*given, true)) << row.key;
    }
}

TEST_F(DisplayMenuTest, HideFromScreenshotsIsGreyedAndUncheckedBeforeWindows10Version2004) {
    files.PutValue(kFile, L"Main", L"NoCapture", L"1");
    const std::uint16_t id = kDisplayItems[std::size_t(DisplayItem::NoCapture)].commandId;
    for (const auto& [build, usable] : {std::pair{17763u, false}, {19040u, false}, {19041u, true}, {22631u, true}}) {
        const MarkChanges marks = DisplayCommands(store, *this, CaptureExclusionWorks(build)).Marks();
        EXPECT_EQ(std::count(marks.begin(), marks.end(), MarkChange{id, ItemMark::Checked, true}) * 10 +
                  std::count(marks.begin(), marks.end(), MarkChange{id, ItemMark::Enabled, false}), usable ? 10 : 1) << build;
    }
}

} // namespace
} // namespace morvane
