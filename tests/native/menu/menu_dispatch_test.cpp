#include "menu/menu_dispatch.h"

#include <gtest/gtest.h>

#include "doubles/fake_system.h"

namespace morvane {
namespace {

const std::wstring kFile = L"C:\\Tools\\Morvane3.dat";

// Writes down each command run, and what the display items stored.
struct MenuDispatchTest : ::testing::Test, MenuCommands, DisplayTarget {
    void FontClick() override { ran += L"Font"; }
    void BackColorClick() override { ran += L"BackColor"; }
    void TransparentClick() override { ran += L"Transparent"; }
    void PositionClick() override { ran += L"Position"; }
    void MarginClick(int index) override { ran += L"Margin" + std::to_wstring(index); }
    void StartClick() override { ran += L"Start"; }
    void AboutClick() override { ran += L"About"; }
    void ExitClick() override { ran += L"Exit"; }
    std::wstring SettingsFile() const override { return kFile; }
    void SetDisplayOptions(const DisplayOptions&) override { ran += L"Options"; }

    std::wstring Run(unsigned id) {
        ran.clear();
        marks = RunMenuCommand(id, {this, &display});
        for (const wchar_t* key : {L"Show", L"FullScreen", L"KeepInside", L"Country", L"CapsMark", L"NoCapture"})
            if (const auto value = files.Stored(kFile, L"Main", key)) ran += L" " + std::wstring(key) + L"=" + *value;
        return ran;
    }
    FakeProfileFiles files;
    SettingsStore store{files};
    DisplayCommands display{store, *this, true};
    std::wstring ran;
    MarkChanges marks;
};

TEST_F(MenuDispatchTest, EachIdentifierRunsItsOneCommand) {
    const struct { unsigned id; const wchar_t* effect; std::size_t marks; } rows[] = {
        {100, L"", 0}, {101, L"Font", 0}, {102, L"BackColor", 0}, {103, L"Transparent", 0}, {104, L"Position", 0},
        {105, L"", 0}, {106, L"Start", 0}, {107, L"", 0}, {108, L"About", 0}, {109, L"Exit", 0},
        {199, L"", 0}, {200, L"Margin0", 0}, {205, L"Margin5", 0}, {209, L"Margin9", 0}, {210, L"", 0},
        {300, L"Options", 8}, {301, L"Options Show=1", 8}, {302, L"Options Show=2", 8}, {303, L"", 0},
        {304, L"Options FullScreen=1", 8}, {305, L"Options Country=1", 8}, {306, L"Options CapsMark=1", 8},
        {307, L"Options NoCapture=1", 8}, {308, L"Options KeepInside=1", 8}, {309, L"", 0}, {0, L"", 0}};
    for (const auto& row : rows) {
        files.values.clear();
        EXPECT_EQ(Run(row.id), row.effect) << row.id;
        EXPECT_EQ(marks.size(), row.marks) << row.id;
    }
    EXPECT_EQ(RunMenuCommand(101, {}).size(), 0u) << "no handlers set";
}

} // namespace
} // namespace morvane
