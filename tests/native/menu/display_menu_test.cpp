#include "menu/display_menu.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "doubles/fake_system.h"
#include "platform/display_facts.h"

namespace morvane {
namespace {

const std::wstring kFile = L"C:\\Tools\\Morvane3.dat";

// Marks as "id:x" (checked) or "id:-", in menu order.
std::string Text(const MarkChanges& marks) {
    std::string text;
    for (const MarkChange& mark : marks) text += std::to_string(mark.commandId) + (mark.on ? "x " : "- ");
    return text;
}
// Options as "show seconds flags", the flags in menu order.
std::string Text(const DisplayOptions& o) {
    return std::to_string(static_cast<int>(o.show)) + " " + std::to_string(o.showSeconds) + " " +
           std::string{"01"[o.fullScreen], "01"[o.keepInside], "01"[o.country], "01"[o.capsMark], "01"[o.noCapture]};
}

struct DisplayMenuTest : ::testing::Test, DisplayTarget {
    std::wstring SettingsFile() const override { return kFile; }
    void SetDisplayOptions(const DisplayOptions& options) override { given = Text(options); }
    static std::uint16_t Id(DisplayItem item) { return kDisplayItems[std::size_t(item)].commandId; }
    FakeProfileFiles files;
    SettingsStore store{files};
    std::string given;
    DisplayCommands commands{store, *this, true};
};

TEST_F(DisplayMenuTest, ChoosingAnItemWritesItsKeyAtOnceAndHandsTheOptionsOn) {
    files.PutValue(kFile, L"Main", L"ShowSeconds", L"5");
    // Each row one choice, from the row before: the key written, the writes, the options handed on, the marks.
    using enum DisplayItem;
    const struct { DisplayItem item; std::wstring key, value; int writes; std::string options, marks; } rows[] = {
        {OverText, L"Show", L"1", 1, "1 5 00000", "300- 301x 302- 304- 308- 305- 306- 307- "},
        {OverText, L"Show", L"1", 0, "1 5 00000", "300- 301x 302- 304- 308- 305- 306- 307- "},
        {AfterChange, L"Show", L"2", 1, "2 5 00000", "300- 301- 302x 304- 308- 305- 306- 307- "},
        {Always, L"Show", L"0", 1, "0 5 00000", "300x 301- 302- 304- 308- 305- 306- 307- "},
        {FullScreen, L"FullScreen", L"1", 1, "0 5 10000", "300x 301- 302- 304x 308- 305- 306- 307- "},
        {KeepInside, L"KeepInside", L"1", 1, "0 5 11000", "300x 301- 302- 304x 308x 305- 306- 307- "},
        {Country, L"Country", L"1", 1, "0 5 11100", "300x 301- 302- 304x 308x 305x 306- 307- "},
        {CapsMark, L"CapsMark", L"1", 1, "0 5 11110", "300x 301- 302- 304x 308x 305x 306x 307- "},
        {NoCapture, L"NoCapture", L"1", 1, "0 5 11111", "300x 301- 302- 304x 308x 305x 306x 307x "},
        {Country, L"Country", L"0", 1, "0 5 11011", "300x 301- 302- 304x 308x 305- 306x 307x "}};
    for (const auto& row : rows) {
        const int writes = files.writes;
        const MarkChanges marks = commands.Choose(row.item);
        EXPECT_EQ(std::tuple(files.Stored(kFile, L"Main", row.key), files.writes - writes, given, Text(marks)),
                  std::tuple(row.value, row.writes, row.options, row.marks)) << row.key << "=" << row.value;
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
