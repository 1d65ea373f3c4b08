#include "menu/win32/menu_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "menu/control_menu_items.h"
#include "menu/win32/menu_caption.h"
#include "platform/win32/ansi_code_page_win32.h"
#include "platform/win32/registry_win32.h"

namespace morvane::win32 {
namespace {

// The real registry, with the Run key moved to a test location so that the
// prefix's own autostart entries stay untouched.
constexpr wchar_t kTestKey[] = L"Software\\Morvane3 Tests\\Menu";
constexpr wchar_t kTestRunKey[] = L"Software\\Morvane3 Tests\\Menu\\Run";

class RedirectedRegistry : public Win32Registry {
public:
    using Win32Registry::Win32Registry;
    RegistryResult OpenKey(RegistryRoot root, const std::wstring& subkey, std::uint32_t access,
                           RegistryKey& key) override {
        return Win32Registry::OpenKey(root, Redirected(subkey), access, key);
    }
    RegistryResult CreateKey(RegistryRoot root, const std::wstring& subkey, std::uint32_t access,
                             RegistryKey& key) override {
        return Win32Registry::CreateKey(root, Redirected(subkey), access, key);
    }

private:
    static std::wstring Redirected(const std::wstring& subkey) {
        return subkey == kAutostartRunKey ? kTestRunKey : subkey;
    }
};

class RecordingCommands : public MenuCommands {
public:
    std::vector<std::string> calls;
    std::function<void()> duringCommand;
    void FontClick() override { Record("font"); }
    void BackColorClick() override { Record("backcolor"); }
    void TransparentClick() override { Record("transparent"); }
    void PositionClick() override { Record("position"); }
    void MarginClick(int index) override { Record("margin " + std::to_string(index)); }
    void StartClick() override { Record("start"); }
    void AboutClick() override { Record("about"); }
    void ExitClick() override { Record("exit"); }

private:
    void Record(std::string call) {
        calls.push_back(std::move(call));
        if (duringCommand) duringCommand();
    }
};

std::wstring CaptionAt(HMENU menu, UINT position) {
    wchar_t text[256] = {};
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = text;
    item.cch = 256;
    if (!GetMenuItemInfoW(menu, position, TRUE, &item)) return L"<unreadable>";
    return std::wstring(text, item.cch);
}

UINT TypeAt(HMENU menu, UINT position) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, position, TRUE, &item);
    return item.fType;
}

bool IsChecked(HMENU menu, unsigned commandId) {
    return (GetMenuState(menu, commandId, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool IsGrayed(HMENU menu, unsigned commandId) {
    return (GetMenuState(menu, commandId, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

unsigned IdOf(PopupItem item) {
    return DesignOf(item).commandId;
}

// A window whose posted messages run a test's step while a menu's own loop
// is running.
class StepWindow {
public:
    StepWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &StepWindow::Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"Morvane3.MenuTestStep";
        RegisterClassW(&windowClass);
        hwnd_ = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    StepWindow(const StepWindow&) = delete;
    StepWindow& operator=(const StepWindow&) = delete;
    ~StepWindow() { DestroyWindow(hwnd_); }

    void PostStep(std::function<void()> step) {
        step_ = std::move(step);
        PostMessageW(hwnd_, WM_APP, 0, 0);
    }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<StepWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_APP && self && self->step_) {
            self->step_();
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;
    std::function<void()> step_;
};

class FwMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveTestKey();
        fwMenu.SetCommands(&commands);
    }
    void TearDown() override {
        fwMenu.Unload();
        RemoveTestKey();
    }
    static void RemoveTestKey() { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }

    // Keys that the menu's own loop takes from the queue, as if typed.
    void Type(std::initializer_list<WPARAM> keys) const {
        for (const WPARAM key : keys) PostMessageW(fwMenu.hWnd(), WM_CHAR, key, 0);
    }
    void PressEscape() const {
        PostMessageW(fwMenu.hWnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    }
    HMENU MarginMenu() const {
        return GetSubMenu(fwMenu.ControlMenu(), PositionOf(PopupItem::SetMargin));
    }

    Win32AnsiCodePage ansi;
    RedirectedRegistry registry;
    RegistryAccess access{registry, ansi};
    const AutostartEntry autostart{L"Morvane Language Badge \u00AE", L"C:\\Tools\\Morvane3\\Morvane3.exe"};
    RecordingCommands commands;
    MenuWindow fwMenu{access, autostart};
};

TEST_F(FwMenuTest, LoadMakesAHiddenWindowWhoseBarHoldsPopup) {
    ASSERT_TRUE(fwMenu.Load());
    EXPECT_FALSE(fwMenu.Visible());
    const HMENU bar = GetMenu(fwMenu.hWnd());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetMenuItemCount(bar), 1);
    EXPECT_EQ(CaptionAt(bar, 0), L"Popup");
    EXPECT_EQ(GetSubMenu(bar, 0), fwMenu.ControlMenu());
    EXPECT_FALSE(fwMenu.Load()) << "a loaded menu window must not be made twice";
}

TEST_F(FwMenuTest, ControlMenuHasTheDesignedItemsInOrder) {
    ASSERT_TRUE(fwMenu.Load());
    const HMENU menu = fwMenu.ControlMenu();
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(kPopupItems.size()));
    for (UINT position = 1; position < kPopupItems.size(); ++position) {
        const PopupItemDesign& design = kPopupItems[position];
        SCOPED_TRACE(position);
        if (design.kind == MenuItemKind::Separator) {
            EXPECT_NE(TypeAt(menu, position) & MFT_SEPARATOR, 0u);
            continue;
        }
        EXPECT_EQ(CaptionAt(menu, position), design.caption);
        if (design.kind == MenuItemKind::Submenu)
            EXPECT_NE(GetSubMenu(menu, static_cast<int>(position)), nullptr);
        else
            EXPECT_EQ(GetMenuItemID(menu, static_cast<int>(position)), design.commandId);
    }
}

TEST_F(FwMenuTest, FirstItemIsTheWideCloseMarkAndTheBoldDefault) {
    ASSERT_TRUE(fwMenu.Load());
    const HMENU menu = fwMenu.ControlMenu();
    EXPECT_EQ(CaptionAt(menu, 0), std::wstring(L"\t\u2573"));
    EXPECT_EQ(TypeAt(menu, 0) & (MFT_SEPARATOR | MFT_BITMAP), 0u);
    EXPECT_EQ(GetMenuItemID(menu, 0), IdOf(PopupItem::Close));
    EXPECT_EQ(GetMenuDefaultItem(menu, TRUE, 0), 0u);
}

TEST_F(FwMenuTest, MarginSubmenuHoldsTenItemsZeroToNine) {
    ASSERT_TRUE(fwMenu.Load());
    const HMENU margins = MarginMenu();
    ASSERT_EQ(GetMenuItemCount(margins), kMarginItemCount);
    for (int index = 0; index < kMarginItemCount; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(CaptionAt(margins, static_cast<UINT>(index)), L"&" + std::to_wstring(index) + L" px");
        EXPECT_EQ(GetMenuItemID(margins, index), MarginCommandId(index));
    }
}

TEST_F(FwMenuTest, MarksSetBeforeLoadAppearOnTheBuiltMenu) {
    fwMenu.SetTransparentChecked(true);
    fwMenu.SetStartChecked(true);
    fwMenu.SetMarginChecked(3, true);
    ASSERT_TRUE(fwMenu.Load());
    const HMENU menu = fwMenu.ControlMenu();
    EXPECT_TRUE(IsChecked(menu, IdOf(PopupItem::Transparent)));
    EXPECT_TRUE(IsGrayed(menu, IdOf(PopupItem::BackColor)));
    EXPECT_TRUE(IsChecked(menu, IdOf(PopupItem::Start)));
    EXPECT_TRUE(IsChecked(menu, MarginCommandId(3)));
    EXPECT_FALSE(IsChecked(menu, MarginCommandId(0)));
}

TEST_F(FwMenuTest, TransparentMarkGreysTheBackColourItemAndBack) {
    ASSERT_TRUE(fwMenu.Load());
    const HMENU menu = fwMenu.ControlMenu();
    EXPECT_FALSE(IsChecked(menu, IdOf(PopupItem::Transparent)));
    EXPECT_FALSE(IsGrayed(menu, IdOf(PopupItem::BackColor)));

    fwMenu.SetTransparentChecked(true);
    EXPECT_TRUE(IsChecked(menu, IdOf(PopupItem::Transparent)));
    EXPECT_TRUE(IsGrayed(menu, IdOf(PopupItem::BackColor)));
    EXPECT_TRUE(fwMenu.TransparentChecked());

    fwMenu.SetTransparentChecked(false);
    EXPECT_FALSE(IsChecked(menu, IdOf(PopupItem::Transparent)));
    EXPECT_FALSE(IsGrayed(menu, IdOf(PopupItem::BackColor)));
}

TEST_F(FwMenuTest, StartAndMarginMarksReachTheNativeMenu) {
    ASSERT_TRUE(fwMenu.Load());
    const HMENU menu = fwMenu.ControlMenu();
    fwMenu.SetStartChecked(true);
    fwMenu.SetMarginChecked(7, true);
    EXPECT_TRUE(IsChecked(menu, IdOf(PopupItem::Start)));
    EXPECT_TRUE(IsChecked(MarginMenu(), MarginCommandId(7)));
    fwMenu.SetStartChecked(false);
    fwMenu.SetMarginChecked(7, false);
    EXPECT_FALSE(IsChecked(menu, IdOf(PopupItem::Start)));
    EXPECT_FALSE(IsChecked(MarginMenu(), MarginCommandId(7)));
}

TEST_F(FwMenuTest, ChosenItemRunsItsCommandBeforeTheShowingReturns) {
    ASSERT_TRUE(fwMenu.Load());
    Type({L'q'});
    EXPECT_TRUE(fwMenu.PopupControlMenu(1));
    EXPECT_EQ(commands.calls, std::vector<std::string>{"exit"});
    EXPECT_FALSE(fwMenu.IsMenuOpen());
}

TEST_F(FwMenuTest, ChosenMarginItemPassesItsIndex) {
    ASSERT_TRUE(fwMenu.Load());
    Type({L'm', L'4'});
    EXPECT_TRUE(fwMenu.PopupControlMenu(1));
    EXPECT_EQ(commands.calls, std::vector<std::string>{"margin 4"});
}

TEST_F(FwMenuTest, ClosingWithoutAChoiceRunsNothing) {
    ASSERT_TRUE(fwMenu.Load());
    PressEscape();
    EXPECT_TRUE(fwMenu.PopupControlMenu(1));
    EXPECT_TRUE(commands.calls.empty());
}

TEST_F(FwMenuTest, OpeningChecksStartFromTheRunValueAndTheMargin) {
    ASSERT_TRUE(fwMenu.Load());
    ASSERT_TRUE(access.SwitchAutostartOn(autostart));
    PressEscape();
    ASSERT_TRUE(fwMenu.PopupControlMenu(0));
    EXPECT_TRUE(IsChecked(fwMenu.ControlMenu(), IdOf(PopupItem::Start)));
    EXPECT_TRUE(IsChecked(MarginMenu(), MarginCommandId(0))) << "a margin of 0 shows \"&0 px\" checked";

    ASSERT_TRUE(access.SwitchAutostartOff(autostart));
    PressEscape();
    ASSERT_TRUE(fwMenu.PopupControlMenu(0));
    EXPECT_FALSE(IsChecked(fwMenu.ControlMenu(), IdOf(PopupItem::Start)));
}

TEST_F(FwMenuTest, RunValueInOtherLetterCaseLeavesStartUnchecked) {
    ASSERT_TRUE(fwMenu.Load());
    fwMenu.SetStartChecked(true);
    ASSERT_TRUE(access.RegWriteText(reg::kHkeyCurrentUser, kAutostartRunKey, autostart.productName,
                                    L"c:\\tools\\morvane3\\morvane3.exe"));
    PressEscape();
    ASSERT_TRUE(fwMenu.PopupControlMenu(1));
    EXPECT_FALSE(IsChecked(fwMenu.ControlMenu(), IdOf(PopupItem::Start)));
}

TEST_F(FwMenuTest, AfterMarginFourIsChosenOnlyItsItemIsChecked) {
    ASSERT_TRUE(fwMenu.Load());
    PressEscape();
    ASSERT_TRUE(fwMenu.PopupControlMenu(1));
    // What the margin command does to the marks.
    fwMenu.SetMarginChecked(1, false);
    fwMenu.SetMarginChecked(4, true);
    PressEscape();
    ASSERT_TRUE(fwMenu.PopupControlMenu(4));
    for (int index = 0; index < kMarginItemCount; ++index)
        EXPECT_EQ(IsChecked(MarginMenu(), MarginCommandId(index)), index == 4) << "item " << index;
}

TEST_F(FwMenuTest, NoSecondMenuOpensWhileTheMenuIsOpen) {
    ASSERT_TRUE(fwMenu.Load());
    StepWindow step;
    bool secondOpened = true;
    bool wasOpen = false;
    step.PostStep([&] {
        wasOpen = fwMenu.IsMenuOpen();
        secondOpened = fwMenu.PopupControlMenu(1);
        PressEscape();
    });
    EXPECT_TRUE(fwMenu.PopupControlMenu(1));
    EXPECT_TRUE(wasOpen) << "the step must run inside the menu's loop";
    EXPECT_FALSE(secondOpened);
}

TEST_F(FwMenuTest, NoMenuOpensWhileTheChosenCommandRuns) {
    ASSERT_TRUE(fwMenu.Load());
    bool secondOpened = true;
    commands.duringCommand = [&] { secondOpened = fwMenu.PopupControlMenu(1); };
    Type({L'a'});
    ASSERT_TRUE(fwMenu.PopupControlMenu(1));
    EXPECT_EQ(commands.calls, std::vector<std::string>{"about"});
    EXPECT_FALSE(secondOpened);
}

TEST_F(FwMenuTest, CommandMayUnloadTheMenuWindow) {
    ASSERT_TRUE(fwMenu.Load());
    commands.duringCommand = [&] { fwMenu.Unload(); };
    Type({L'q'});
    EXPECT_TRUE(fwMenu.PopupControlMenu(1));
    EXPECT_FALSE(fwMenu.IsLoaded());
    EXPECT_FALSE(fwMenu.IsMenuOpen());
}

TEST_F(FwMenuTest, NothingShowsWhileNotLoaded) {
    EXPECT_FALSE(fwMenu.PopupControlMenu(1));
    EXPECT_EQ(fwMenu.ControlMenu(), nullptr);
}

TEST_F(FwMenuTest, UnloadDestroysTheWindowAndTheMenu) {
    ASSERT_TRUE(fwMenu.Load());
    const HWND window = fwMenu.hWnd();
    const HMENU bar = GetMenu(window);
    const HMENU menu = fwMenu.ControlMenu();
    fwMenu.Unload();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(IsMenu(menu));
    EXPECT_TRUE(fwMenu.Load()) << "the object stays and can be loaded again";
}

// SetMenuCaptionW on a menu of its own.
class MenuCaptionTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppendMenuW(menu, MF_STRING, 1, L"old");
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    }
    void TearDown() override { DestroyMenu(menu); }
    HMENU menu = CreatePopupMenu();
};

TEST_F(MenuCaptionTest, NegativeCodePageSetsTheWideCaptionUnchanged) {
    SetMenuCaptionW(-1, menu, 0, L"\t\u2573 \u0416");
    EXPECT_EQ(CaptionAt(menu, 0), L"\t\u2573 \u0416");
    EXPECT_EQ(GetMenuItemID(menu, 0), 1u) << "the item keeps its command";
}

TEST_F(MenuCaptionTest, PositiveCodePageDecodesTheCaptionBytes) {
    SetMenuCaptionW(1252, menu, 0, L"\x80 5");
    EXPECT_EQ(CaptionAt(menu, 0), L"\u20AC 5");
}

TEST_F(MenuCaptionTest, CodePageZeroOrNoMenuDoesNothing) {
    SetMenuCaptionW(0, menu, 0, L"new");
    EXPECT_EQ(CaptionAt(menu, 0), L"old");
    SetMenuCaptionW(-1, nullptr, 0, L"new");
}

TEST_F(MenuCaptionTest, SeparatorsAndPositionsPastTheEndAreLeftAlone) {
    SetMenuCaptionW(-1, menu, 1, L"new");
    EXPECT_NE(TypeAt(menu, 1) & MFT_SEPARATOR, 0u);
    SetMenuCaptionW(-1, menu, 2, L"new");
    EXPECT_EQ(GetMenuItemCount(menu), 2);
}

} // namespace
} // namespace morvane::win32
