#include "menu/control_menu_opening.h"

#include <gtest/gtest.h>

#include "doubles/fake_ansi_code_page.h"
#include "doubles/fake_registry.h"

namespace morvane {
namespace {

class ControlMenuOpeningFromRegistry : public ::testing::Test {
protected:
    const AutostartEntry autostart{L"Morvane Language Badge \u00AE", L"C:\\Tools\\Morvane3\\Morvane3.exe"};

    void PutRunValue(const std::string& text) {
        registry.PutText(reg::kHkeyCurrentUser, kAutostartRunKey, autostart.productName, text);
    }
    bool OpenAndReadStart() {
        const auto marks = BeginMenuOpening(state, access, autostart, 1);
        EXPECT_TRUE(marks.has_value());
        state.EndOpening();
        return state.StartChecked();
    }

    FakeRegistry registry;
    FakeAnsiCodePage ansi;
    RegistryAccess access{registry, ansi};
    ControlMenuState state;
};

TEST_F(ControlMenuOpeningFromRegistry, StartIsCheckedWhenTheRunValueNamesThisExecutable) {
    PutRunValue("C:\\Tools\\Morvane3\\Morvane3.exe");
    EXPECT_TRUE(OpenAndReadStart());
}

TEST_F(ControlMenuOpeningFromRegistry, PathInOtherLetterCaseLeavesStartUnchecked) {
    state.SetStartChecked(true);
    PutRunValue("c:\\tools\\morvane3\\Morvane3.exe");
    EXPECT_FALSE(OpenAndReadStart());
}

TEST_F(ControlMenuOpeningFromRegistry, MissingRunValueLeavesStartUnchecked) {
    state.SetStartChecked(true);
    registry.PutKey(reg::kHkeyCurrentUser, kAutostartRunKey);
    EXPECT_FALSE(OpenAndReadStart());
}

TEST_F(ControlMenuOpeningFromRegistry, UnreadableRunKeyLeavesStartUnchecked) {
    PutRunValue("C:\\Tools\\Morvane3\\Morvane3.exe");
    registry.failOpen = true;
    EXPECT_FALSE(OpenAndReadStart());
}

TEST_F(ControlMenuOpeningFromRegistry, OpeningWhileOpenReadsNothing) {
    ASSERT_TRUE(BeginMenuOpening(state, access, autostart, 1).has_value());
    registry.keyCalls.clear();
    EXPECT_FALSE(BeginMenuOpening(state, access, autostart, 1).has_value());
    EXPECT_TRUE(registry.keyCalls.empty());
}

} // namespace
} // namespace morvane
