#include "menu/display_menu.h"

#include <gtest/gtest.h>

#include "doubles/fake_system.h"

namespace morvane {
namespace {

const std::wstring kFile = L"C:\\Tools\\Morvane3.dat";

// Marks as "id:x" (checked) or "id:-", in menu order.
std::string Text(const MarkChanges& marks) {
    std::string text;
    for (const MarkChange& mark : marks) text += std::to_string(mark.commandId) + (mark.on ? "x " : "- ");
    return text;
}
// Options as "show seconds flags", flags in menu order.
std::string Text(const DisplayOptions& o) {
    return std::to_string(static_cast<int>(o.show)) + " " + std::to_string(o.showSeconds) + " " +
           std::string{"01"[o.fullScreen], "01"[o.country], "01"[o.capsMark], "01"[o.noCapture]};
}

struct DisplayMenuTest : ::testing::Test, DisplayTarget {
    std::wstring SettingsFile() const override { return kFile; }
    void SetDisplayOptions(const DisplayOptions& options) override { given = Text(options); }
    FakeProfileFiles files;
    SettingsStore store{files};
    std::string given;
    DisplayCommands commands{store, *this};
};

TEST_F(DisplayMenuTest, ChoosingAnItemWritesItsKeyAtOnceAndHandsTheOptionsOn) {
    files.PutValue(kFile, L"Main", L"ShowSeconds", L"5");
    // Each row one choice, from the row before: the key written, the writes, the options handed on, the marks.
    const struct { unsigned id; std::wstring key, value; int writes; std::string options, marks; } rows[] = {
        {301, L"Show", L"1", 1, "1 5 0000", "300- 301x 302- 304- 305- 306- 307- "},
        {301, L"Show", L"1", 0, "1 5 0000", "300- 301x 302- 304- 305- 306- 307- "},
        {302, L"Show", L"2", 1, "2 5 0000", "300- 301- 302x 304- 305- 306- 307- "},
        {300, L"Show", L"0", 1, "0 5 0000", "300x 301- 302- 304- 305- 306- 307- "},
        {304, L"FullScreen", L"1", 1, "0 5 1000", "300x 301- 302- 304x 305- 306- 307- "},
        {305, L"Country", L"1", 1, "0 5 1100", "300x 301- 302- 304x 305x 306- 307- "},
        {306, L"CapsMark", L"1", 1, "0 5 1110", "300x 301- 302- 304x 305x 306x 307- "},
        {307, L"NoCapture", L"1", 1, "0 5 1111", "300x 301- 302- 304x 305x 306x 307x "},
        {305, L"Country", L"0", 1, "0 5 1011", "300x 301- 302- 304x 305- 306x 307x "}};
    for (const auto& row : rows) {
        const int writes = files.writes;
        const auto marks = commands.Choose(row.id);
        ASSERT_TRUE(marks) << row.id;
        EXPECT_EQ(std::tuple(files.Stored(kFile, L"Main", row.key), files.writes - writes, given, Text(*marks)),
                  std::tuple(row.value, row.writes, row.options, row.marks)) << row.id;
    }
    EXPECT_FALSE(commands.Choose(0) || commands.Choose(106) || commands.Choose(303)) << "not the submenu's items";
}

} // namespace
} // namespace morvane
