#include "platform/dialog_centring.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(DialogCentringTest, HalfTheFreeRoomFromTheMonitorsCorner) {
    using enum HalfPixel;
    const ScreenRect primary{0, 0, 1280, 800}, right{1280, 100, 2560, 1124}, leftAbove{-800, -600, 0, 0};
    const struct { ScreenRect monitor; int width, height; HalfPixel half; int left, top; } rows[] = {
        {primary, 423, 300, TowardZero, 428, 250}, {primary, 423, 300, ToEven, 428, 250},
        {primary, 421, 301, TowardZero, 429, 249}, {primary, 421, 301, ToEven, 430, 250},
        {primary, 1283, 805, TowardZero, -1, -2}, {primary, 1283, 805, ToEven, -2, -2},
        {right, 400, 300, TowardZero, 1720, 462}, {leftAbove, 411, 301, TowardZero, -606, -451},
        {leftAbove, 901, 701, TowardZero, -850, -650}, {leftAbove, 901, 701, ToEven, -850, -650}};
    for (const auto& row : rows) {
        const DialogOrigin origin = CentredOrigin(row.monitor, row.width, row.height, row.half);
        EXPECT_EQ(std::pair(origin.left, origin.top), std::pair(row.left, row.top))
            << row.monitor.left << " " << row.width << "x" << row.height << " " << static_cast<int>(row.half);
    }
}

} // namespace
} // namespace morvane
