#include "menu/display_menu.h"

#include <gtest/gtest.h>

#include "doubles/fake_system.h"

namespace morvane {
namespace {

const std::wstring kFile = L"C:\\Tools\\Morvane3.dat";

class Indicator : public DisplayTarget {
public:
    std::wstring SettingsFile() const override { return kFile; }
    void SetDisplayOptions(const DisplayOptions& options) override { given = options; }
    std::optional<DisplayOptions> given;
};

class DisplayMenuTest : public ::testing::Test {
protected:
    std::uint16_t Id(DisplayItem item) {
        for (const auto& design : kDisplayItems)
            if (design.item == item) return design.commandId;
        return 0;
    }
    bool Checked(const MarkChanges& marks, DisplayItem item) {
        for (const MarkChange& mark : marks)
            if (mark.commandId == Id(item)) return mark.on;
        ADD_FAILURE() << "no mark";
        return false;
    }
    std::optional<std::wstring> Stored(const std::wstring& key) { return files.Stored(kFile, L"Main", key); }

    FakeProfileFiles files;
    SettingsStore store{files};
    Indicator indicator;
    DisplayCommands commands{store, indicator};
};

TEST_F(DisplayMenuTest, MarksFollowTheFileWithOneShowModeChecked) {
    files.PutValue(kFile, L"Main", L"Show", L"2");
    files.PutValue(kFile, L"Main", L"Country", L"1");
    const MarkChanges marks = commands.Marks();
    EXPECT_EQ(marks.size(), 7u);
    EXPECT_FALSE(Checked(marks, DisplayItem::Always));
    EXPECT_FALSE(Checked(marks, DisplayItem::OverText));
    EXPECT_TRUE(Checked(marks, DisplayItem::AfterChange));
    EXPECT_TRUE(Checked(marks, DisplayItem::Country));
}

TEST_F(DisplayMenuTest, ChoosingAnItemWritesItsKeyAtOnceAndHandsTheOptionsOn) {
    struct Row {
        DisplayItem item;
        std::wstring key, value;
    };
    const Row rows[] = {
        {DisplayItem::OverText, L"Show", L"1"},   {DisplayItem::AfterChange, L"Show", L"2"},
        {DisplayItem::Always, L"Show", L"0"},     {DisplayItem::FullScreen, L"FullScreen", L"1"},
        {DisplayItem::Country, L"Country", L"1"}, {DisplayItem::CapsMark, L"CapsMark", L"1"},
        {DisplayItem::NoCapture, L"NoCapture", L"1"}, {DisplayItem::Country, L"Country", L"0"},
    };
    for (const Row& row : rows) {
        const auto marks = commands.Choose(Id(row.item));
        ASSERT_TRUE(marks) << row.key;
        EXPECT_EQ(Stored(row.key), row.value) << row.key;
        ASSERT_TRUE(indicator.given);
        EXPECT_EQ(*indicator.given, ReadDisplayOptions(store, kFile)) << row.key;
        EXPECT_EQ(*marks, DisplayMarks(*indicator.given)) << row.key;
    }
}

TEST_F(DisplayMenuTest, TheModeInUseChosenAgainWritesNothingAndOtherIdsAreNotTheSubmenus) {
    files.PutValue(kFile, L"Main", L"Show", L"1");
    const int writes = files.writes;
    EXPECT_TRUE(commands.Choose(Id(DisplayItem::OverText)));
    EXPECT_EQ(files.writes, writes);
    EXPECT_FALSE(commands.Choose(0));
    EXPECT_FALSE(commands.Choose(106));  // "Start with &Windows"
    EXPECT_FALSE(indicator.given && indicator.given->show != ShowMode::OverText);
}

} // namespace
} // namespace morvane
