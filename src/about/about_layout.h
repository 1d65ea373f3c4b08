#pragma once
// The about dialog's geometry: the sizes its Load gives, and the layout its
// Activate makes for a mode from the window's frame, the icon's place and the
// measured texts. All amounts are twips; "n px" amounts are n times the
// screen's twips per pixel (across for x and widths, down for y and heights).
// Every edge placed on a control is snapped to a whole pixel, as the window
// will report it back, so that later steps build on what the screen shows.
#include <cstdint>
#include <optional>

#include "about/about_host.h"
#include "platform/fixed_number.h"
#include "platform/twips.h"

namespace morvane {

struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

struct TextExtent {
    double width = 0;   // TextWidth: the widest line
    double height = 0;  // TextHeight: all lines
};

// What Load gives the dialog (pixels at design).
namespace about_design {
inline constexpr double kClientWidth = 7215;  // twips, as designed
inline constexpr double kClientHeight = 5010;
inline constexpr double kIconSize = 480;  // ibAbout, twips
inline constexpr int kIconLeftPx = 21;
inline constexpr int kIconTopPx = 23;
inline constexpr int kButtonWidthPx = 75;  // bbYes, and bbNo after Activate
inline constexpr int kButtonHeightPx = 23;
inline constexpr int kBarHeightPx = 43;    // pbBar
inline constexpr int kPictureWidthPx = 210;  // pbAbout
inline constexpr int kPictureHeightPx = 90;
} // namespace about_design

// The places Load gives: ibAbout at (21, 23) px in its designed size, bbYes
// 75 x 23 px, pbBar 43 px high, pbAbout 210 x 90 px.
struct AboutLoadSizes {
    TwipsRect icon;
    double buttonWidth = 0;
    double buttonHeight = 0;
    double barHeight = 0;
    double pictureWidth = 0;
    double pictureHeight = 0;
};
AboutLoadSizes AboutSizesAtLoad(TwipsPerPixel twips);

struct AboutLayoutInput {
    AboutMode aboutMode = AboutMode::FirstRun;
    TwipsPerPixel twips;
    double frameWidth = 0;   // the window's outer width minus its client width
    double frameHeight = 0;  // the same for the height
    TwipsRect icon;          // ibAbout
    double pictureWidth = 0;  // pbAbout
    double pictureHeight = 0;
    double buttonWidth = 0;  // bbYes
    double buttonHeight = 0;
    double barHeight = 0;     // pbBar
    TextExtent text;          // the text of the mode, in the window's font
    TextExtent link;          // the link text (about mode)
    TextExtent checkCaption;  // the check box caption with its "&" (hint mode)
};

struct AboutLayout {
    TwipsRect text;     // tbAbout
    TwipsRect picture;  // pbAbout, first-run and help modes
    TwipsRect link;     // tbSite, about mode
    TwipsRect check;    // chAbout, hint mode
    TwipsRect bar;      // pbBar, in the client area
    TwipsRect no;       // bbNo, in the bar
    std::optional<TwipsRect> yes;  // bbYes, in the bar; moved in first-run and help modes only
    double windowWidth = 0;   // outer
    double windowHeight = 0;
    double clientWidth = 0;
    double clientHeight = 0;
};

// Steps 1 and 3 to 7 of Activate; a control that the mode hides keeps an
// empty rectangle.
AboutLayout LayOutAbout(const AboutLayoutInput& input);

} // namespace morvane
