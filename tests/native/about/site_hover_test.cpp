#include "about/site_hover.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(HoverStartsOnMove, OnlyAPlainMoveStartsIt) {
    EXPECT_TRUE(HoverStartsOnMove({}));
    EXPECT_FALSE(HoverStartsOnMove({.anyButton = true}));
    EXPECT_FALSE(HoverStartsOnMove({.shift = true}));
    EXPECT_FALSE(HoverStartsOnMove({.control = true}));
    EXPECT_FALSE(HoverStartsOnMove({.alt = true}));
}

TEST(CursorOverLink, AllEdgesCountAsInsideTheRightAndBottomOnesIncluded) {
    const ScreenRect link{100, 200, 180, 216};
    EXPECT_TRUE(CursorOverLink(100, 200, link));
    EXPECT_TRUE(CursorOverLink(180, 216, link));
    EXPECT_TRUE(CursorOverLink(140, 208, link));
}

TEST(CursorOverLink, OnePixelOutsideOnAnySideIsOutside) {
    const ScreenRect link{100, 200, 180, 216};
    EXPECT_FALSE(CursorOverLink(99, 208, link));
    EXPECT_FALSE(CursorOverLink(181, 208, link));
    EXPECT_FALSE(CursorOverLink(140, 199, link));
    EXPECT_FALSE(CursorOverLink(140, 217, link));
}

} // namespace
} // namespace morvane
