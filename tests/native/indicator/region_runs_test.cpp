#include "indicator/region_runs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvane {
namespace {

constexpr Colour kWhite = 0x00FFFFFF;
constexpr Colour kRed = 0x000000FF;

// A picture drawn as text rows: '#' is red, anything else white.
std::vector<Colour> Picture(const std::vector<std::string>& rows) {
    std::vector<Colour> pixels;
    for (const auto& row : rows)
        for (char c : row) pixels.push_back(c == '#' ? kRed : kWhite);
    return pixels;
}

std::vector<PixelRect> RunsOf(const std::vector<std::string>& rows) {
    return OpaqueRuns(Picture(rows), static_cast<int>(rows.front().size()), static_cast<int>(rows.size()), kWhite);
}

TEST(OpaqueRuns, LeavesTheHoleOfAnOAndKeepsRowsApart) {
    const auto runs = RunsOf({
        ".###.",
        "#...#",
        "#...#",
        ".###.",
    });
    const std::vector<PixelRect> expected{
        {1, 0, 4, 1},
        {0, 1, 1, 2}, {4, 1, 5, 2},
        {0, 2, 1, 3}, {4, 2, 5, 3},
        {1, 3, 4, 4},
    };
    EXPECT_EQ(runs, expected) << "the inside of the O must be a hole and equal rows must not be merged";
}

TEST(OpaqueRuns, ARunReachingTheLastColumnIsClosedAtTheRowEnd) {
    const auto runs = RunsOf({
        "..##",
        "...#",
        "####",
    });
    const std::vector<PixelRect> expected{{2, 0, 4, 1}, {3, 1, 4, 2}, {0, 2, 4, 3}};
    EXPECT_EQ(runs, expected);
}

TEST(OpaqueRuns, NoOpaquePixelGivesNoRectangle) {
    EXPECT_TRUE(RunsOf({"....", "...."}).empty());
}

TEST(OpaqueRuns, AColourOneStepFromTheBackgroundIsOpaque) {
    const std::vector<Colour> pixels{kWhite, 0x00FFFFFE, kWhite, 0x00FEFFFF};
    const std::vector<PixelRect> expected{{1, 0, 2, 1}, {3, 0, 4, 1}};
    EXPECT_EQ(OpaqueRuns(pixels, 4, 1, kWhite), expected);
}

TEST(OpaqueRuns, TheTopByteOfAColourIsIgnored) {
    const std::vector<Colour> pixels{0xFF00FF00, 0x0000FF00, 0x000000FF};
    const std::vector<PixelRect> expected{{2, 0, 3, 1}};
    EXPECT_EQ(OpaqueRuns(pixels, 3, 1, 0x0000FF00), expected);
}

TEST(OpaqueRuns, OnePixelPicture) {
    const std::vector<PixelRect> one{{0, 0, 1, 1}};
    EXPECT_EQ(OpaqueRuns(std::vector<Colour>{kRed}, 1, 1, kWhite), one);
    EXPECT_TRUE(OpaqueRuns(std::vector<Colour>{kWhite}, 1, 1, kWhite).empty());
}

TEST(OpaqueRuns, AnEmptyOrShortBufferGivesNoRectangle) {
    EXPECT_TRUE(OpaqueRuns({}, 0, 0, kWhite).empty());
    EXPECT_TRUE(OpaqueRuns(std::vector<Colour>{kRed, kRed}, 2, 2, kWhite).empty());
}

TEST(TransparentColourFor, UsesTheGivenColour) {
    EXPECT_EQ(TransparentColourFor(kWhite, kRed), kWhite);
    EXPECT_EQ(TransparentColourFor(Colour{0}, kRed), Colour{0}) << "black is a colour, not a missing one";
}

TEST(TransparentColourFor, FallsBackToTheTopLeftPixel) {
    EXPECT_EQ(TransparentColourFor(std::nullopt, kRed), kRed) << "no colour given";
    EXPECT_EQ(TransparentColourFor(Colour{0x80000005}, kRed), kRed) << "a system colour reference";
}

TEST(ColourOfDibPixel, SwapsRedAndBlueAndDropsTheTopByte) {
    EXPECT_EQ(ColourOfDibPixel(0xFF112233), Colour{0x00332211});
    EXPECT_EQ(ColourOfDibPixel(0x00FF0000), kRed);
}

} // namespace
} // namespace morvane
