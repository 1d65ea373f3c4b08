#include "about/about_layout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "about/about_host.h"

namespace morvane {
namespace {

constexpr TwipsPerPixel k96Dpi{15, 15};

// A rectangle in pixels at 15 twips per pixel.
TwipsRect Px(double left, double top, double width, double height) {
    return {left * 15, top * 15, width * 15, height * 15};
}

// The dialog as Load leaves it, with a frame of 8 x 31 pixels, and texts of
// the given pixel sizes.
AboutLayoutInput InputAt96Dpi(std::int32_t mode, TextExtent textPx = {}, TextExtent otherPx = {}) {
    const AboutLoadSizes sizes = AboutSizesAtLoad(k96Dpi);
    AboutLayoutInput input;
    input.aboutMode = mode;
    input.twips = k96Dpi;
    input.frameWidth = 8 * 15;
    input.frameHeight = 31 * 15;
    input.icon = sizes.icon;
    input.pictureWidth = sizes.pictureWidth;
    input.pictureHeight = sizes.pictureHeight;
    input.buttonWidth = sizes.buttonWidth;
    input.buttonHeight = sizes.buttonHeight;
    input.barHeight = sizes.barHeight;
    input.text = {textPx.width * 15, textPx.height * 15};
    input.link = {otherPx.width * 15, otherPx.height * 15};
    input.checkCaption = input.link;
    return input;
}

TEST(AboutSizesAtLoad, PlaceTheIconAndSizeButtonsBarAndPicture) {
    const AboutLoadSizes sizes = AboutSizesAtLoad(k96Dpi);
    EXPECT_EQ(sizes.icon, Px(21, 23, 32, 32));
    EXPECT_EQ(sizes.buttonWidth, 75 * 15);
    EXPECT_EQ(sizes.buttonHeight, 23 * 15);
    EXPECT_EQ(sizes.barHeight, 43 * 15);
    EXPECT_EQ(sizes.pictureWidth, 210 * 15);
    EXPECT_EQ(sizes.pictureHeight, 90 * 15);
}

TEST(LayOutAbout, FirstRunModeGivesTheWorkedExample) {
    const AboutLayout layout = LayOutAbout(InputAt96Dpi(about_mode::kFirstRun));
    EXPECT_EQ(layout.text, Px(62, 23, 350, 180));
    EXPECT_EQ(layout.picture, Px(132, 73, 210, 90)) << "centred under the text, 50 px below its top";
    EXPECT_EQ(layout.clientWidth, 442 * 15);
    EXPECT_EQ(layout.windowWidth, (442 + 8) * 15);
    EXPECT_EQ(layout.bar, Px(0, 203, 442, 43));
    EXPECT_EQ(layout.clientHeight, 246 * 15);
    EXPECT_EQ(layout.windowHeight, (246 + 31) * 15);
    EXPECT_EQ(layout.no, Px(352, 10, 75, 23));
    ASSERT_TRUE(layout.yes.has_value());
    EXPECT_EQ(*layout.yes, Px(268, 10, 75, 23));
}

TEST(LayOutAbout, HelpModeHasTheFirstRunLayout) {
    const AboutLayout help = LayOutAbout(InputAt96Dpi(about_mode::kHelp));
    const AboutLayout firstRun = LayOutAbout(InputAt96Dpi(about_mode::kFirstRun));
    EXPECT_EQ(help.bar, firstRun.bar);
    EXPECT_EQ(help.no, firstRun.no);
    EXPECT_TRUE(help.yes.has_value()) << "the hidden \"&Yes\" still moves beside \"&OK\"";
}

TEST(LayOutAbout, AboutModeSizesTheTextToItsMeasureAndPutsTheLinkUnderIt) {
    const AboutLayout layout = LayOutAbout(InputAt96Dpi(about_mode::kAbout, {300, 64}, {170, 16}));
    EXPECT_EQ(layout.text, Px(62, 23, 300, 64));
    EXPECT_EQ(layout.link, Px(62, 87, 170, 16));
    EXPECT_EQ(layout.bar.top, (87 + 16 + 23) * 15) << "the space under the link equals the space above the text";
    EXPECT_EQ(layout.clientWidth, (62 + 300 + 30) * 15);
    EXPECT_EQ(layout.clientHeight, (126 + 43) * 15);
    EXPECT_EQ(layout.no, Px(392 - 75 - 15, 10, 75, 23));
    EXPECT_FALSE(layout.yes.has_value());
}

TEST(LayOutAbout, HintModePutsTheCheckBoxUnderTheIconsLeftEdge) {
    const AboutLayout layout = LayOutAbout(InputAt96Dpi(about_mode::kHint, {260, 64}, {200, 16}));
    EXPECT_EQ(layout.text, Px(62, 23, 260, 64));
    EXPECT_EQ(layout.check, Px(21, 87, 200 + 18, 16));
    EXPECT_EQ(layout.bar.top, (87 + 16 + 23) * 15);
    EXPECT_EQ(layout.clientWidth, (62 + 260 + 30) * 15) << "the width follows the text only";
    EXPECT_FALSE(layout.yes.has_value());
}

TEST(LayOutAbout, At168DotsPerInchEveryEdgeLandsOnAWholePixel) {
    const double perPixel = 1440.0 / 168;
    const TwipsPerPixel scale{perPixel, perPixel};
    const AboutLoadSizes sizes = AboutSizesAtLoad(scale);
    AboutLayoutInput input;
    input.twips = scale;
    input.frameWidth = 10 * perPixel;
    input.frameHeight = 40 * perPixel;
    input.icon = sizes.icon;
    input.pictureWidth = sizes.pictureWidth;
    input.pictureHeight = sizes.pictureHeight;
    input.buttonWidth = sizes.buttonWidth;
    input.buttonHeight = sizes.buttonHeight;
    input.barHeight = sizes.barHeight;
    const auto whole = [&](double twips) { return std::abs(twips / perPixel - std::round(twips / perPixel)) < 1e-9; };
    for (const std::int32_t mode : {about_mode::kFirstRun, about_mode::kAbout, about_mode::kHint}) {
        input.aboutMode = mode;
        input.text = {123 * perPixel, 45 * perPixel};
        input.link = input.checkCaption = {67 * perPixel, 17 * perPixel};
        const AboutLayout layout = LayOutAbout(input);
        for (const TwipsRect& r : {layout.text, layout.picture, layout.bar, layout.no, layout.link, layout.check}) {
            EXPECT_TRUE(whole(r.left) && whole(r.top) && whole(r.width) && whole(r.height)) << "mode " << mode;
        }
        EXPECT_TRUE(whole(layout.clientWidth) && whole(layout.clientHeight)) << "mode " << mode;
    }
}

} // namespace
} // namespace morvane
