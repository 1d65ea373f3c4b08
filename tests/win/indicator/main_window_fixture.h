#pragma once
// fwMain over a settings file in a folder of its own under the temporary
// folder, with fwMenu for the gesture and the transparency mark, and a fake
// keyboard and cursor. toLang is off: a test ticks it itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "doubles/fake_input_cursor.h"
#include "doubles/fake_process_facts.h"
#include "indicator/win32/main_window.h"
#include "menu/win32/menu_window.h"
#include "platform/win32/ansi_code_page_win32.h"
#include "platform/win32/profile_files_win32.h"
#include "platform/win32/registry_win32.h"
#include "services/registry_access.h"

namespace morvane::win32::test_support {

// Counts the cursor reads, which only a tick that follows the cursor makes.
class CountingInputCursor : public FakeInputCursor {
public:
    mutable int cursorReads = 0;
    ScreenPoint CursorPosition() const override {
        ++cursorReads;
        return FakeInputCursor::CursorPosition();
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        process.directory = std::wstring(temp) + L"morvane_main_window_" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(process.directory.c_str(), nullptr);
        process.baseName = L"Badge";
        path = process.directory + L"\\Badge.dat";
        DeleteFileW(path.c_str());
    }
    void TearDown() override {
        fwMain.Unload();
        fwMenu.Unload();
        DeleteFileW(path.c_str());
        RemoveDirectoryW(process.directory.c_str());
    }

    // Loaded, wired to fwMenu, with the timer left to the test.
    void LoadBoth() {
        ASSERT_TRUE(fwMenu.Load());
        fwMain.SetControlMenu(&fwMenu);
        fwMain.Load();
        ASSERT_TRUE(fwMain.IsLoaded());
        fwMain.toLang.SetEnabled(false);
    }
    // A tick of toLang, as the timer would run it.
    void Tick() { fwMain.toLang.OnTick(); }

    RECT Bounds() const {
        RECT rect{};
        GetWindowRect(fwMain.hWnd(), &rect);
        return rect;
    }
    SIZE Size() const {
        const RECT rect = Bounds();
        return {rect.right - rect.left, rect.bottom - rect.top};
    }
    DWORD ExStyle() const { return static_cast<DWORD>(GetWindowLongPtrW(fwMain.hWnd(), GWL_EXSTYLE)); }

    FakeProcessFacts process;
    CountingInputCursor input;
    Win32AnsiCodePage ansi;
    Win32ProfileFiles files{ansi};
    SettingsStore store{files};
    Win32Registry registry;
    RegistryAccess registryAccess{registry, ansi};
    MenuWindow fwMenu{registryAccess, {L"Morvane3 Indicator Tests", L"C:\\nowhere\\Morvane3.exe"}};
    MainWindow fwMain{store, process, input};
    std::wstring path;
};

} // namespace morvane::win32::test_support
