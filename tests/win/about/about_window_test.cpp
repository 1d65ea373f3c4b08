#include "about/win32/about_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "doubles/fake_process_facts.h"
#include "platform/win32/ansi_code_page_win32.h"
#include "platform/win32/process_facts_win32.h"
#include "platform/win32/profile_files_win32.h"
#include "platform/win32/screen_metrics.h"
#include "win/support/control_queries.h"

namespace morvane::win32 {
namespace {

using test_support::ClientSize;
using test_support::ExpectPlace;
using test_support::PlaceOf;
using test_support::TextOf;
using test_support::VisibleFlag;

namespace fs = std::filesystem;

class FakeHost : public AboutHost {
public:
    bool checksPass = true;
    std::function<void()> locationCheck;
    std::function<void()> yes;
    int locationChecks = 0;
    int yesClicks = 0;

    bool OnLoadChecks() override { return checksPass; }
    void OnLoadLocationCheck() override {
        ++locationChecks;
        if (locationCheck) locationCheck();
    }
    void OnYes() override {
        ++yesClicks;
        if (yes) yes();
    }
};

class RecordingShell : public Shell {
public:
    struct Call {
        std::wstring file;
        std::wstring parameters;
        int showCommand;
    };
    std::vector<Call> calls;
    bool Open(const std::wstring& file, const std::wstring& parameters, int showCommand) override {
        calls.push_back({file, parameters, showCommand});
        return true;
    }
};

// A hidden window of the test that runs a step from inside a modal loop.
class Inspector : public Window {
public:
    std::function<void()> step;
    bool Load() {
        WindowDesign design;
        design.className = L"Morvane3AboutTestInspector";
        design.style = WS_OVERLAPPED;
        return Create(design);
    }
    void PostStep() { PostMessageW(hWnd(), WM_APP, 0, 0); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP && step) {
            step();
            return 0;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }
};

// The program's resources, read from the executable built beside the tests.
HINSTANCE ProgramResources() {
    const fs::path program = fs::path(ModulePath(nullptr)).parent_path() / L"Morvane3.exe";
    return LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}

class AboutWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { resources = ProgramResources(); }
    static void TearDownTestSuite() {
        if (resources) FreeLibrary(resources);
    }

    void SetUp() override {
        ASSERT_EQ(TwipsPerPixelX(), 15) << "the layout figures are those of 96 dots per inch";
        wchar_t temp[MAX_PATH + 1] = {};
        ASSERT_NE(GetTempPathW(MAX_PATH + 1, temp), 0u);
        settingsFile = (fs::path(temp) / (L"morvane-about-" + std::to_wstring(GetCurrentProcessId()) + L".dat"))
                           .wstring();
        DeleteFileW(settingsFile.c_str());
        ASSERT_TRUE(inspector.Load());
    }
    void TearDown() override {
        dialog.Unload();
        DeleteFileW(settingsFile.c_str());
    }

    void LoadAndShow() {
        ASSERT_TRUE(dialog.Load());
        dialog.Show();
    }

    HWND Control(int id) const {
        const HWND direct = GetDlgItem(dialog.hWnd(), id);
        return direct ? direct : GetDlgItem(GetDlgItem(dialog.hWnd(), about_control::kBar), id);
    }

    // Shows the dialog modally; step runs once its loop is going.
    void ShowModalAndRun(std::int32_t aboutMode, std::function<void()> step) {
        mode = aboutMode;
        host.locationCheck = [&] { inspector.PostStep(); };
        inspector.step = [&, step] {
            step();
            if (dialog.IsLoaded()) PostMessageW(dialog.hWnd(), WM_CLOSE, 0, 0);
        };
        dialog.ShowModal(settingsFile);
    }

    std::wstring StoredSilent() const {
        wchar_t value[32] = {};
        GetPrivateProfileStringW(L"Main", L"Silent", L"(none)", value, 32, settingsFile.c_str());
        return value;
    }

    static HINSTANCE resources;
    std::int32_t mode = about_mode::kFirstRun;
    FakeHost host;
    RecordingShell shell;
    Win32AnsiCodePage ansi;
    Win32ProfileFiles files{ansi};
    SettingsStore store{files};
    std::wstring settingsFile;
    Inspector inspector;
    AboutWindow dialog{mode, host, store, shell, FakeProcessFacts{}.version, resources};
};

HINSTANCE AboutWindowTest::resources = nullptr;

TEST_F(AboutWindowTest, FirstRunModeIsLaidOutAsTheWorkedExample) {
    LoadAndShow();
    ASSERT_TRUE(dialog.IsLoaded());
    EXPECT_EQ(TextOf(dialog.hWnd()), L"Morvane3\u2122");
    const SIZE client = ClientSize(dialog.hWnd());
    EXPECT_EQ(client.cx, 442);
    EXPECT_EQ(client.cy, 246);
    ExpectPlace(Control(about_control::kIcon), 21, 23, 32, 32, "ibAbout");
    ExpectPlace(Control(about_control::kText), 62, 23, 350, 180, "tbAbout");
    ExpectPlace(Control(about_control::kPicture), 132, 73, 210, 90, "pbAbout");
    ExpectPlace(Control(about_control::kBar), 0, 203, 442, 43, "pbBar");
    ExpectPlace(Control(about_control::kNo), 352, 10, 75, 23, "bbNo");
    ExpectPlace(Control(about_control::kYes), 268, 10, 75, 23, "bbYes");
}

TEST_F(AboutWindowTest, FirstRunModeShowsPictureAndBothButtonsWithFocusOnYes) {
    LoadAndShow();
    EXPECT_TRUE(VisibleFlag(Control(about_control::kPicture)));
    EXPECT_TRUE(VisibleFlag(Control(about_control::kYes)));
    EXPECT_FALSE(VisibleFlag(Control(about_control::kSite)));
    EXPECT_FALSE(VisibleFlag(Control(about_control::kCheck)));
    EXPECT_EQ(TextOf(Control(about_control::kNo)), L"&No");
    EXPECT_EQ(GetFocus(), Control(about_control::kYes));
}

TEST_F(AboutWindowTest, TheDialogEndsInTheForegroundAndTopmost) {
    LoadAndShow();
    EXPECT_EQ(GetForegroundWindow(), dialog.hWnd());
    EXPECT_NE(GetWindowLongPtrW(dialog.hWnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST_F(AboutWindowTest, TheWindowIsAFixedFrameWithACloseBoxOnly) {
    LoadAndShow();
    const LONG_PTR style = GetWindowLongPtrW(dialog.hWnd(), GWL_STYLE);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
}

TEST_F(AboutWindowTest, HelpModeHasOnlyOkWithTheFocus) {
    mode = about_mode::kHelp;
    LoadAndShow();
    EXPECT_EQ(TextOf(dialog.hWnd()), L"Morvane3\u2122");
    EXPECT_TRUE(VisibleFlag(Control(about_control::kPicture)));
    EXPECT_FALSE(VisibleFlag(Control(about_control::kYes)));
    EXPECT_EQ(TextOf(Control(about_control::kNo)), L"&OK");
    EXPECT_EQ(GetFocus(), Control(about_control::kNo));
    EXPECT_EQ(ClientSize(dialog.hWnd()).cy, 246) << "the same layout as the first-run dialog";
}

TEST_F(AboutWindowTest, AboutModeShowsTheLinkUnderTheTextWhichIsNotWrapped) {
    std::wstring title;
    std::wstring link;
    RECT text{};
    RECT site{};
    RECT bar{};
    LRESULT lines = 0;
    bool linkShown = false;
    bool modalFocusOnOk = false;
    ShowModalAndRun(about_mode::kAbout, [&] {
        title = TextOf(dialog.hWnd());
        link = TextOf(Control(about_control::kSite));
        text = PlaceOf(Control(about_control::kText));
        site = PlaceOf(Control(about_control::kSite));
        bar = PlaceOf(Control(about_control::kBar));
        lines = SendMessageW(Control(about_control::kText), EM_GETLINECOUNT, 0, 0);
        linkShown = VisibleFlag(Control(about_control::kSite)) && !VisibleFlag(Control(about_control::kPicture));
        modalFocusOnOk = GetFocus() == Control(about_control::kNo);
    });
    EXPECT_EQ(title, L"Morvane3\u2122 - About");
    EXPECT_TRUE(linkShown);
    EXPECT_TRUE(modalFocusOnOk);
    EXPECT_EQ(lines, 4) << "sized to its measured text, the text box must not wrap a line";
    EXPECT_EQ(text.left, 62);
    EXPECT_EQ(site.left, 62);
    EXPECT_EQ(site.top, text.bottom);
    EXPECT_EQ(bar.top, site.bottom + 23) << "the space under the link equals the space above the text";
}

TEST_F(AboutWindowTest, HintModeShowsAnUntickedCheckBoxUnderTheIcon) {
    std::wstring title;
    RECT check{};
    RECT text{};
    RECT bar{};
    LRESULT ticked = -1;
    LRESULT lines = 0;
    ShowModalAndRun(about_mode::kHint, [&] {
        title = TextOf(dialog.hWnd());
        check = PlaceOf(Control(about_control::kCheck));
        text = PlaceOf(Control(about_control::kText));
        bar = PlaceOf(Control(about_control::kBar));
        ticked = SendMessageW(Control(about_control::kCheck), BM_GETCHECK, 0, 0);
        lines = SendMessageW(Control(about_control::kText), EM_GETLINECOUNT, 0, 0);
    });
    EXPECT_EQ(title, L"Morvane3\u2122 - Transparent Background");
    EXPECT_EQ(ticked, BST_UNCHECKED);
    EXPECT_EQ(lines, 4) << "three lines and the empty one after the final line break";
    EXPECT_EQ(check.left, 21);
    EXPECT_EQ(check.top, text.bottom);
    EXPECT_EQ(bar.top, check.bottom + 23);
}

TEST_F(AboutWindowTest, ModalShowDisablesTheProgramsOtherWindowsUntilItCloses) {
    Inspector other;
    ASSERT_TRUE(other.Load());
    ShowWindow(other.hWnd(), SW_SHOWNOACTIVATE);
    bool disabledMeanwhile = false;
    ShowModalAndRun(about_mode::kAbout, [&] { disabledMeanwhile = !IsWindowEnabled(other.hWnd()); });
    EXPECT_TRUE(disabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(other.hWnd()));
    EXPECT_FALSE(dialog.IsLoaded());
}

TEST_F(AboutWindowTest, OkInHintModeStoresTheTickedBoxAsSilentOne) {
    ShowModalAndRun(about_mode::kHint, [&] {
        SendMessageW(Control(about_control::kCheck), BM_SETCHECK, BST_CHECKED, 0);
        SendMessageW(Control(about_control::kBar), WM_COMMAND, MAKEWPARAM(about_control::kNo, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Control(about_control::kNo)));
    });
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(StoredSilent(), L"1");
}

TEST_F(AboutWindowTest, OkInHintModeStoresAnUntickedBoxAsSilentZero) {
    ShowModalAndRun(about_mode::kHint, [&] {
        SendMessageW(Control(about_control::kBar), WM_COMMAND, MAKEWPARAM(about_control::kNo, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Control(about_control::kNo)));
    });
    EXPECT_EQ(StoredSilent(), L"0");
}

TEST_F(AboutWindowTest, TheCloseBoxStoresNothing) {
    ShowModalAndRun(about_mode::kHint, [&] {
        SendMessageW(Control(about_control::kCheck), BM_SETCHECK, BST_CHECKED, 0);
        SendMessageW(dialog.hWnd(), WM_CLOSE, 0, 0);
    });
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_FALSE(fs::exists(settingsFile));
}

TEST_F(AboutWindowTest, OkOutsideHintModeStoresNothing) {
    ShowModalAndRun(about_mode::kAbout, [&] {
        MSG escape{Control(about_control::kNo), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
        EXPECT_TRUE(dialog.PreTranslateMessage(escape));
    });
    EXPECT_FALSE(dialog.IsLoaded()) << "Escape is the cancel button";
    EXPECT_FALSE(fs::exists(settingsFile));
}

TEST_F(AboutWindowTest, EnterIsTheAcceptanceWhileYesIsShown) {
    LoadAndShow();
    MSG enter{Control(about_control::kText), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    SetFocus(Control(about_control::kText));
    EXPECT_TRUE(dialog.PreTranslateMessage(enter));
    EXPECT_EQ(host.yesClicks, 1);
}

TEST_F(AboutWindowTest, EnterOnTheFocusedNoButtonClosesWithoutTheAcceptance) {
    LoadAndShow();
    SetFocus(Control(about_control::kNo));
    MSG enter{Control(about_control::kNo), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(dialog.PreTranslateMessage(enter));
    EXPECT_EQ(host.yesClicks, 0);
    EXPECT_FALSE(dialog.IsLoaded());
}

TEST_F(AboutWindowTest, YesRunsTheAcceptanceWhichClosesTheDialog) {
    host.yes = [&] { dialog.Close(); };
    LoadAndShow();
    SendMessageW(Control(about_control::kBar), WM_COMMAND, MAKEWPARAM(about_control::kYes, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(about_control::kYes)));
    EXPECT_EQ(host.yesClicks, 1);
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_FALSE(fs::exists(settingsFile)) << "first-run mode stores nothing";
}

TEST_F(AboutWindowTest, FailedLoadChecksMakeNothing) {
    host.checksPass = false;
    EXPECT_FALSE(dialog.Load());
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(host.locationChecks, 0);
}

TEST_F(AboutWindowTest, TheLocationCheckRunsLastAndMayCloseTheDialogUnseen) {
    bool laidOutBeforeTheCheck = false;
    host.locationCheck = [&] {
        laidOutBeforeTheCheck = PlaceOf(Control(about_control::kIcon)).left == 21;
        dialog.Close();
    };
    EXPECT_FALSE(dialog.Load());
    EXPECT_TRUE(laidOutBeforeTheCheck);
    dialog.Show();
    EXPECT_FALSE(dialog.IsLoaded()) << "nothing is left to show";
    EXPECT_EQ(host.locationChecks, 1);
}

TEST_F(AboutWindowTest, TheNewLocationMarkIsClearedAtEveryLoad) {
    host.locationCheck = [&] { dialog.SetNewLocationMark(L"*"); };
    ASSERT_TRUE(dialog.Load());
    EXPECT_EQ(dialog.NewLocationMark(), L"*");
    dialog.Unload();
    host.locationCheck = nullptr;
    ASSERT_TRUE(dialog.Load());
    EXPECT_EQ(dialog.NewLocationMark(), L"");
}

TEST_F(AboutWindowTest, ReactivationFromAnotherProgramWindowLaysOutTheSame) {
    LoadAndShow();
    const RECT before = PlaceOf(Control(about_control::kNo));
    const SIZE clientBefore = ClientSize(dialog.hWnd());
    Inspector other;
    ASSERT_TRUE(other.Load());
    ShowWindow(other.hWnd(), SW_SHOW);
    SetActiveWindow(other.hWnd());
    SetActiveWindow(dialog.hWnd());
    const RECT after = PlaceOf(Control(about_control::kNo));
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(ClientSize(dialog.hWnd()).cx, clientBefore.cx);
    EXPECT_EQ(ClientSize(dialog.hWnd()).cy, clientBefore.cy);
    EXPECT_EQ(GetFocus(), Control(about_control::kYes));
}

TEST_F(AboutWindowTest, TheLinkOpensTheSiteShownNormally) {
    ShowModalAndRun(about_mode::kAbout, [&] {
        const HWND site = Control(about_control::kSite);
        SendMessageW(site, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(site, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    });
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, L"https://www.zantor.example");
    EXPECT_EQ(shell.calls[0].parameters, L"");
    EXPECT_EQ(shell.calls[0].showCommand, show_command::kNormal) << "a browser opened hidden cannot be seen";
}

TEST_F(AboutWindowTest, HoveringTheLinkUnderlinesItUntilATickFindsTheCursorOutside) {
    bool underlinedByMove = false;
    bool trackingByMove = false;
    bool stillUnderlinedOver = false;
    bool underlinedAfterLeaving = true;
    bool trackingAfterLeaving = true;
    ShowModalAndRun(about_mode::kAbout, [&] {
        const HWND site = Control(about_control::kSite);
        SendMessageW(site, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        underlinedByMove = dialog.SiteUnderlined();
        trackingByMove = dialog.toHotTracking.Enabled();
        RECT r{};
        GetWindowRect(site, &r);
        SetCursorPos(r.right, r.bottom);  // the reported corner counts as inside
        dialog.toHotTracking.OnTick();
        stillUnderlinedOver = dialog.SiteUnderlined();
        SetCursorPos(r.right + 1, r.bottom);
        dialog.toHotTracking.OnTick();
        underlinedAfterLeaving = dialog.SiteUnderlined();
        trackingAfterLeaving = dialog.toHotTracking.Enabled();
    });
    EXPECT_TRUE(underlinedByMove);
    EXPECT_TRUE(trackingByMove);
    EXPECT_TRUE(stillUnderlinedOver);
    EXPECT_FALSE(underlinedAfterLeaving);
    EXPECT_FALSE(trackingAfterLeaving);
}

TEST_F(AboutWindowTest, AMoveWithAButtonHeldDoesNotStartTheHover) {
    bool underlined = true;
    bool tracking = true;
    ShowModalAndRun(about_mode::kAbout, [&] {
        SendMessageW(Control(about_control::kSite), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2, 2));
        underlined = dialog.SiteUnderlined();
        tracking = dialog.toHotTracking.Enabled();
    });
    EXPECT_FALSE(underlined);
    EXPECT_FALSE(tracking);
}

TEST_F(AboutWindowTest, ThePictureIsDrawnWithItsBackgroundKeyedOut) {
    ASSERT_NE(resources, nullptr) << "Morvane3.exe is built beside the tests";
    LoadAndShow();
    const HWND picture = Control(about_control::kPicture);
    UpdateWindow(picture);
    const WindowDc dc = WindowDc::Client(picture);
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), GetSysColor(COLOR_WINDOW)) << "a transparent corner";
    const COLORREF wheel = GetPixel(dc.get(), 166, 25);
    EXPECT_EQ(GetRValue(wheel), 0xFF) << "the highlighted middle button";
    EXPECT_EQ(GetBValue(wheel), 0x00);
}

TEST_F(AboutWindowTest, ThePointerOverTheLinkIsTheHandWithItsHotSpotOnTheFingertip) {
    ASSERT_NE(resources, nullptr) << "Morvane3.exe is built beside the tests";
    HCURSOR shown = nullptr;
    ShowModalAndRun(about_mode::kAbout, [&] {
        const HWND site = Control(about_control::kSite);
        SendMessageW(site, WM_SETCURSOR, reinterpret_cast<WPARAM>(site), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        shown = GetCursor();
    });
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(shown, &info));
    const UniqueBitmap mask(info.hbmMask);
    const UniqueBitmap colour(info.hbmColor);
    BITMAP bits{};
    GetObjectW(mask.get(), sizeof bits, &bits);
    EXPECT_EQ(bits.bmWidth, 32);
    EXPECT_EQ(info.xHotspot, 13u);
    EXPECT_EQ(info.yHotspot, 5u);
}

} // namespace
} // namespace morvane::win32
