// The control menu: its marks and what an opening reads.
#include <gtest/gtest.h>

#include "doubles/fake_system.h"
#include "menu/control_menu_items.h"
#include "menu/control_menu_opening.h"
#include "menu/control_menu_state.h"

namespace morvane {
namespace {

std::string Marks(const ControlMenuState& state) {
    std::string text = state.TransparentChecked() ? "T" : "-";
    text += state.BackColorEnabled() ? "B" : "-";
    text += state.StartChecked() ? "S " : "- ";
    for (int i = -1; i <= kMarginItemCount; ++i) text += state.MarginChecked(i) ? std::to_string(i) : "";
    return text;
}

TEST(Menu, Marks) {
    FakeRegistry calls;
    const FakeAnsiCodePage ansi;
    const RegistryAccess registry(calls, ansi);
    const AutostartEntry entry{L"Morvane", L"C:\\Tools\\Morvane3.exe"};
    ControlMenuState state;
    // Each row: what the user or the program does, then the marks the menu shows.
    const struct { const char* step; std::function<void()> run; const char* marks; } rows[] = {
        {"start", [] {}, "-B- "},
        {"open, margin 0", [&] { BeginMenuOpening(state, registry, entry, 0); }, "-B- 0"},
        {"second opening while open", [&] { EXPECT_FALSE(BeginMenuOpening(state, registry, entry, 5)); }, "-B- 0"},
        {"margin 0 to 4", [&] { state.EndOpening(); state.SetMarginChecked(0, false); state.SetMarginChecked(4, true); }, "-B- 4"},
        {"margin 10", [&] { EXPECT_TRUE(state.SetMarginChecked(10, true).empty()); }, "-B- 4"},
        {"transparent", [&] { state.SetTransparentChecked(true); }, "T-- 4"},
        {"run value of this path", [&] { calls.PutText(32, kAutostartRunKey, L"Morvane", "C:\\Tools\\Morvane3.exe"); }, "T-- 4"},
        {"open", [&] { BeginMenuOpening(state, registry, entry, 4); state.EndOpening(); }, "T-S 4"},
        {"run value in other case", [&] { calls.PutText(32, kAutostartRunKey, L"Morvane", "C:\\TOOLS\\Morvane3.exe"); }, "T-S 4"},
        {"open", [&] { BeginMenuOpening(state, registry, entry, 4); state.EndOpening(); }, "T-- 4"},
        {"opaque, margin 3 set elsewhere", [&] { state.SetTransparentChecked(false); state.SetMarginChecked(3, true); }, "-B- 34"},
    };
    for (const auto& row : rows) {
        row.run();
        EXPECT_EQ(Marks(state), row.marks) << row.step;
    }
}

} // namespace
} // namespace morvane
