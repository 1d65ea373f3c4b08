// The position dialog's rules: its layout, the drag step, where the sample
// starts and the offset OK hands over.
#include <gtest/gtest.h>

#include "position/position_choice.h"
#include "position/position_layout.h"

namespace morvane {
namespace {

std::string Text(const PositionRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) + "x" +
           std::to_string(r.height);
}

TEST(Position, Layout) {
    const struct { int cursor; double twips; std::vector<std::string> rects; } rows[] = {
        {32, 15, {"0,0 417x415", "6,6 380x14", "3,26 412x332", "190,150 32x32", "189,149 34x34", "181,141 18x18",
                  "0,357 417x58", "327,17 75x23", "243,17 75x23", "159,17 75x23", "0,0 408x328"}},
        {32, 12, {"0,0 417x433", "6,6 380x18", "3,30 412x332", "190,150 32x32", "189,149 34x34", "181,141 18x18",
                  "0,361 417x72", "327,25 75x23", "243,25 75x23", "159,25 75x23", "0,0 408x328"}}};
    for (const auto& row : rows) {
        PositionLayoutInput in;
        in.twips = {row.twips, row.twips};
        in.cursorWidth = in.cursorHeight = row.cursor;
        in.labelWidth = 380;
        in.labelHeight = DesignedLabelHeight(in.twips);
        in.barHeight = DesignedBarHeight(in.twips);
        const PositionLayout l = LayOutPosition(in);
        const std::vector<std::string> rects = {
            Text({0, 0, l.clientWidth, l.clientHeight}), Text(l.label), Text(l.desktop), Text(l.cursor), Text(l.border),
            Text(l.shield), Text(l.bar), Text(l.cancelButton), Text(l.okButton), Text(l.defaultButton),
            Text({0, 0, l.innerWidth, l.innerHeight})};
        EXPECT_EQ(rects, row.rects) << "cursor " << row.cursor << " at " << row.twips << " twips per pixel";
    }
}

TEST(Position, DragStep) {
    constexpr PositionRect kShield{181, 141, 18, 18};
    // The sample's candidate top-left corner, its size, and where it lands.
    const struct { int left, top, width, height; PixelPoint placed; } rows[] = {
        {15, 27, 24, 11, {15, 27}}, {157, 145, 24, 11, {157, 159}}, {199, 145, 24, 11, {199, 159}},
        {185, 130, 24, 11, {199, 130}}, {170, 159, 24, 11, {157, 159}}, {160, 132, 24, 11, {157, 130}},
        {185, 120, 24, 11, {185, 120}}, {150, 145, 24, 11, {150, 145}}, {156, 145, 24, 11, {156, 145}},
        {185, 129, 24, 11, {185, 129}}, {185, 145, 10, 11, {199, 159}}, {170, 130, 24, 40, {157, 101}},
        {170, 130, 40, 40, {141, 101}}, {-30, 50, 24, 11, {0, 50}}, {500, 50, 24, 11, {384, 50}},
        {50, -5, 24, 11, {50, 0}}, {50, 400, 24, 11, {50, 317}}, {-600, -500, 500, 400, {-92, -72}}};
    for (const auto& row : rows) {
        const PositionRect sample{10, 20, row.width, row.height};
        const PixelPoint p = DragStep(sample, {row.left - 10, row.top - 20}, kShield, 408, 328);
        EXPECT_EQ(std::pair(p.x, p.y), std::pair(row.placed.x, row.placed.y))
            << "to " << row.left << "," << row.top << " size " << row.width << "x" << row.height;
    }
}

TEST(Position, SamplePlaceAndOffsets) {
    constexpr PositionRect kCursor{190, 150, 32, 32};
    const struct { PositionOffsets stored; int width, height; PixelPoint first; PositionOffsets chosen; } rows[] = {
        {{0, 0}, 24, 11, {198, 171}, {0, 0}}, {{0, 0}, 30, 40, {198, 158}, {8, 8}}, {{0, 0}, 40, 20, {198, 162}, {8, 0}},
        {{-190, -150}, 24, 11, {0, 0}, {-190, -150}}, {{190, 150}, 24, 11, {380, 300}, {190, 150}},
        {{-250, -20}, 24, 11, {0, 130}, {-190, -20}}, {{12, 0}, 24, 11, {202, 171}, {12, 0}},
        {{-20, -30}, 24, 11, {170, 120}, {-20, -30}}};
    for (const auto& row : rows) {
        const PixelPoint p = FirstSamplePlace(kCursor, row.stored, row.width, row.height);
        EXPECT_EQ(std::pair(p.x, p.y), std::pair(row.first.x, row.first.y)) << row.stored.left << "," << row.stored.top;
        EXPECT_EQ(ChosenOffsets({p.x, p.y, row.width, row.height}, kCursor), row.chosen)
            << row.stored.left << "," << row.stored.top << " size " << row.width;
    }
    EXPECT_EQ(ChosenOffsets({414, 336, 10, 8}, {190, 150, 48, 48}), (PositionOffsets{224, 186}));
}

} // namespace
} // namespace morvane
