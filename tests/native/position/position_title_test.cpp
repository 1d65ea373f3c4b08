#include "position/position_title.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(PositionTitle, TrademarkThenTheMenuCaptionAsPlainText) {
    EXPECT_EQ(PositionTitle(L"Morvane3\u2122", L"Set &Position..."), L"Morvane3\u2122 - Set Position");
    EXPECT_EQ(PositionTitle(L"M", L"&Place && Size..."), L"M - Place & Size");
}

} // namespace
} // namespace morvane
