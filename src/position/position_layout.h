#pragma once
// The position dialog's geometry. The preview is at the screen's own scale,
// so the dialog is laid out in whole pixels: a distance measured in the
// preview is the indicator's offset itself. The few designed amounts held in
// twips (the label's and the bar's heights, the button gaps and the buttons'
// top) are turned into pixels here as the window would show them.
#include <cstdint>

#include "platform/fixed_number.h"
#include "platform/twips.h"

namespace morvane {

// A rectangle of whole pixels in its container's client coordinates.
struct PositionRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    friend bool operator==(const PositionRect&, const PositionRect&) = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

namespace position_design {
inline constexpr double kLabelHeight = 210;  // tlPos, twips: one line
inline constexpr double kBarHeight = 870;    // pbBar, twips
inline constexpr int kLabelMarginPx = 6;     // tlPos's left and top
inline constexpr int kPreviewLeftPx = 3;
inline constexpr int kPreviewRightMarginPx = 2;
inline constexpr int kPreviewBorderPx = 2;  // pbDesktop's sunken border, each side
// The hot spot in the preview's inner area. These equal the farthest offsets
// to the left and upwards that the settings loader keeps.
inline constexpr int kHotSpotLeftPx = 190;
inline constexpr int kHotSpotTopPx = 150;
inline constexpr int kShieldSizePx = 18;  // centred on the hot spot
inline constexpr int kButtonWidthPx = 75;
inline constexpr int kButtonHeightPx = 23;
inline constexpr int kNarrowGapPx = 9;  // between two buttons
inline constexpr int kWideGapPx = 15;   // right of the last button
} // namespace position_design

struct PositionLayoutInput {
    TwipsPerPixel twips;
    int cursorWidth = 32;  // CURSOR_Width, CW
    int cursorHeight = 32;  // CURSOR_Height, CH
    int labelWidth = 0;  // tlPos, as the label shows its text
    int labelHeight = 14;  // LH
    int barHeight = 58;  // pbBar, as designed
};

struct PositionLayout {
    // In the dialog's client area.
    PositionRect label;    // tlPos
    PositionRect desktop;  // pbDesktop, outer size (border included)
    PositionRect bar;      // pbBar
    // In the preview's inner area (inside pbDesktop's border).
    PositionRect cursor;  // pbCursor: its top-left corner is the hot spot
    PositionRect border;  // shBorder: one pixel outside the cursor picture
    PositionRect shield;  // shShield
    int innerWidth = 0;
    int innerHeight = 0;
    // In the bar.
    PositionRect defaultButton;  // bbDefault
    PositionRect okButton;       // bbOK
    PositionRect cancelButton;   // bbCancel
    int clientWidth = 0;  // the dialog's inner size
    int clientHeight = 0;
};

// The designed heights of the label and the bar in whole pixels at this scale.
int DesignedLabelHeight(TwipsPerPixel twips);
int DesignedBarHeight(TwipsPerPixel twips);

PositionLayout LayOutPosition(const PositionLayoutInput& input);

// How wide the label may be: from its left edge to the client area's right
// edge. At a large scale its text is wider and wraps onto more lines.
int LabelRoom(int cursorWidth);

// The indicator's offset: pixels from the hot spot to its top-left corner;
// 0 on an axis means automatic on that axis.
struct PositionOffsets {
    std::int32_t left = 0;  // POSITION_Left
    std::int32_t top = 0;   // POSITION_TOP
    friend bool operator==(const PositionOffsets&, const PositionOffsets&) = default;
};

// The automatic place of a sample of this size, as the indicator itself
// takes it for an offset of 0: its right (bottom) edge on the cursor
// picture's, but at least 8 pixels right of (below) the hot spot.
PixelPoint AutomaticSamplePlace(const PositionRect& cursor, int sampleWidth, int sampleHeight);

// Where the sample starts: the hot spot plus each offset that is set, held at
// the preview's left and top edges only (a large offset may put the sample
// partly out of view); the automatic place on an axis whose offset is 0.
PixelPoint FirstSamplePlace(const PositionRect& cursor, PositionOffsets offsets, int sampleWidth, int sampleHeight);

} // namespace morvane
