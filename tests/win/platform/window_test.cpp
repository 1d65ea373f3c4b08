#include "platform/win32/window.h"

#include <gtest/gtest.h>

#include "platform/win32/screen_metrics.h"
#include "test_window.h"

namespace morvane::win32 {
namespace {

using test_support::TestWindow;

TEST(ScreenMetrics, FifteenTwipsPerPixelAt96DotsPerInch) {
    // The test prefix runs at the standard resolution.
    EXPECT_DOUBLE_EQ(TwipsPerPixelX(), 15);
    EXPECT_DOUBLE_EQ(TwipsPerPixelY(), 15);
    EXPECT_GT(ScreenWidth(), 0);
    EXPECT_GT(ScreenHeight(), 0);
}

TEST(Window, OuterGeometryRoundTripsInTwips) {
    TestWindow window;
    ASSERT_TRUE(window.LoadTopLevel(WS_POPUP));
    window.Move(1500, 3000, 360, 195);
    EXPECT_DOUBLE_EQ(window.Left(), 1500);
    EXPECT_DOUBLE_EQ(window.Top(), 3000);
    EXPECT_DOUBLE_EQ(window.Width(), 360);
    EXPECT_DOUBLE_EQ(window.Height(), 195);
    RECT rect{};
    GetWindowRect(window.hWnd(), &rect);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.right - rect.left, 24) << "360 twips are 24 pixels";
}

TEST(Window, EachSetterChangesOnlyItsOwnEdge) {
    TestWindow window;
    ASSERT_TRUE(window.LoadTopLevel(WS_POPUP));
    window.Move(1500, 3000, 360, 195);
    window.SetLeft(-750);
    window.SetTop(600);
    window.SetWidth(900);
    window.SetHeight(450);
    EXPECT_DOUBLE_EQ(window.Left(), -750) << "a window may lie partly off the screen";
    EXPECT_DOUBLE_EQ(window.Top(), 600);
    EXPECT_DOUBLE_EQ(window.Width(), 900);
    EXPECT_DOUBLE_EQ(window.Height(), 450);
}

TEST(Window, TwipsBecomeTheNearestWholePixel) {
    TestWindow window;
    ASSERT_TRUE(window.LoadTopLevel(WS_POPUP));
    window.SetWidth(367);
    EXPECT_DOUBLE_EQ(window.Width(), 360);
    window.SetWidth(37.5);  // 2.5 pixels
    EXPECT_DOUBLE_EQ(window.Width(), 30);
    window.SetWidth(52.5);  // 3.5 pixels
    EXPECT_DOUBLE_EQ(window.Width(), 60);
}

TEST(Window, ClientSizeExcludesTheFrame) {
    TestWindow window;
    ASSERT_TRUE(window.LoadTopLevel());
    window.SetClientWidth(3000);
    window.SetClientHeight(1500);
    EXPECT_DOUBLE_EQ(window.ClientWidth(), 3000);
    EXPECT_DOUBLE_EQ(window.ClientHeight(), 1500);
    EXPECT_GT(window.Width(), window.ClientWidth());
    EXPECT_GT(window.Height(), window.ClientHeight()) << "the caption lies outside the client area";
}

TEST(Window, ChildGeometryIsInTheParentsClientArea) {
    TestWindow parent;
    TestWindow child;
    ASSERT_TRUE(parent.LoadTopLevel());
    ASSERT_TRUE(child.LoadChild(parent));
    child.Move(150, 300, 450, 225);
    EXPECT_DOUBLE_EQ(child.Left(), 150);
    EXPECT_DOUBLE_EQ(child.Top(), 300);
    EXPECT_DOUBLE_EQ(child.Width(), 450);
    EXPECT_EQ(GetDlgCtrlID(child.hWnd()), 7);
}

TEST(Window, TagVisibilityAndIconBelongToTheWindow) {
    TestWindow window;
    ASSERT_TRUE(window.LoadTopLevel());
    window.SetTag(L"C:\\Tools\\Morvane3.dat");
    EXPECT_EQ(window.Tag(), L"C:\\Tools\\Morvane3.dat");
    EXPECT_FALSE(window.Visible());
    window.SetVisible(true);
    EXPECT_TRUE(window.Visible());
    window.SetVisible(false);
    EXPECT_FALSE(window.Visible());
    const HICON icon = LoadIconW(nullptr, IDI_INFORMATION);
    window.SetIcon(icon);
    EXPECT_EQ(window.Icon(), icon);
}

TEST(Window, UnloadDestroysTheWindowButNotTheObject) {
    TestWindow window;
    ASSERT_TRUE(window.LoadTopLevel());
    const HWND first = window.hWnd();
    EXPECT_FALSE(window.LoadTopLevel()) << "a loaded window is not made twice";
    window.Unload();
    EXPECT_FALSE(window.IsLoaded());
    EXPECT_FALSE(IsWindow(first));
    EXPECT_DOUBLE_EQ(window.Width(), 0) << "an unloaded window has no geometry";
    window.SetWidth(900);
    EXPECT_FALSE(window.Visible());
    ASSERT_TRUE(window.LoadTopLevel()) << "the object can be loaded again";
    EXPECT_TRUE(IsWindow(window.hWnd()));
}

TEST(Window, ClosingByTheSystemUnloadsIt) {
    TestWindow window;
    ASSERT_TRUE(window.LoadTopLevel());
    SendMessageW(window.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(window.IsLoaded());
}

TEST(Window, DestroyingTheObjectDestroysItsWindow) {
    HWND handle = nullptr;
    {
        TestWindow window;
        ASSERT_TRUE(window.LoadTopLevel());
        handle = window.hWnd();
    }
    EXPECT_FALSE(IsWindow(handle));
}

} // namespace
} // namespace morvane::win32
