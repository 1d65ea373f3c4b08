#include "services/win32/set_form_size.h"

#include <gtest/gtest.h>

#include "../platform/test_window.h"

namespace morvane::win32 {
namespace {

using test_support::TestWindow;

TEST(SetFormSize, SetsTheOuterSize) {
    TestWindow window;
    ASSERT_TRUE(window.LoadTopLevel());
    SetFormSize(window, 4500, 3000);
    EXPECT_DOUBLE_EQ(window.Width(), 4500);
    EXPECT_DOUBLE_EQ(window.Height(), 3000);
}

TEST(SetFormSize, ASizeThatIsAlreadyRightIsNotSetAgain) {
    TestWindow window;
    ASSERT_TRUE(window.LoadTopLevel());
    SetFormSize(window, 4500, 3000);
    window.positionChanges = 0;
    SetFormSize(window, 4500, 3000);
    EXPECT_EQ(window.positionChanges, 0);
    SetFormSize(window, 4500, 3600);
    EXPECT_EQ(window.positionChanges, 1) << "only the height changes";
    EXPECT_DOUBLE_EQ(window.Height(), 3600);
}

TEST(SetFormSize, AMinimisedWindowKeepsItsSize) {
    TestWindow window;
    ASSERT_TRUE(window.LoadTopLevel());
    SetFormSize(window, 4500, 3000);
    ShowWindow(window.hWnd(), SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(window.hWnd()));
    window.positionChanges = 0;
    SetFormSize(window, 6000, 4500);
    EXPECT_EQ(window.positionChanges, 0);
    ShowWindow(window.hWnd(), SW_RESTORE);
    EXPECT_DOUBLE_EQ(window.Width(), 4500);
}

TEST(SetFormSize, AChildWindowIsSizedWhateverItsParent) {
    TestWindow parent;
    TestWindow child;
    ASSERT_TRUE(parent.LoadTopLevel());
    ASSERT_TRUE(child.LoadChild(parent));
    ShowWindow(parent.hWnd(), SW_SHOWMINNOACTIVE);
    SetFormSize(child, 900, 600);
    EXPECT_DOUBLE_EQ(child.Width(), 900);
    EXPECT_DOUBLE_EQ(child.Height(), 600);
}

} // namespace
} // namespace morvane::win32
