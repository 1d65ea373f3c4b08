#include "position/position_layout.h"

#include "platform/twips.h"
#include "services/settings_number.h"
#include "services/utilities.h"

namespace morvane {

namespace {

using namespace position_design;

constexpr int kAutomaticMinimumPx = 8;

// A button's left edge: gapPx and one button width left of the reference
// edge. The gap is used as whole twips, the result as the window shows it.
int LeftOfButtonBefore(int referenceLeft, int gapPx, double twipsX) {
    const auto gap = static_cast<double>(RoundHalfEven(gapPx * twipsX));
    return PixelsFromTwips((referenceLeft - kButtonWidthPx) * twipsX - gap, twipsX);
}

} // namespace

int DesignedLabelHeight(TwipsPerPixel twips) {
    return PixelsFromTwips(kLabelHeight, twips.y);
}

int DesignedBarHeight(TwipsPerPixel twips) {
    return PixelsFromTwips(kBarHeight, twips.y);
}

namespace {

int ClientWidth(int cursorWidth) {
    return kPreviewLeftPx + 380 + cursorWidth + kPreviewRightMarginPx;
}

} // namespace

int LabelRoom(int cursorWidth) {
    return ClientWidth(cursorWidth) - kLabelMarginPx;
}

PositionLayout LayOutPosition(const PositionLayoutInput& in) {
    const TwipsPerPixel& s = in.twips;
    const int cw = in.cursorWidth;
    const int ch = in.cursorHeight;
    PositionLayout out;

    out.label = {kLabelMarginPx, kLabelMarginPx, in.labelWidth, in.labelHeight};
    out.desktop = {kPreviewLeftPx, 2 * kLabelMarginPx + in.labelHeight, 380 + cw, 300 + ch};
    out.innerWidth = out.desktop.width - 2 * kPreviewBorderPx;
    out.innerHeight = out.desktop.height - 2 * kPreviewBorderPx;
    out.clientWidth = ClientWidth(cw);

    out.cursor = {kHotSpotLeftPx, kHotSpotTopPx, cw, ch};
    out.border = {kHotSpotLeftPx - 1, kHotSpotTopPx - 1, cw + 2, ch + 2};
    const int halfShield = kShieldSizePx / 2;
    out.shield = {kHotSpotLeftPx - halfShield, kHotSpotTopPx - halfShield, kShieldSizePx, kShieldSizePx};

    // The bar covers the bottom pixel row of the preview's border; that one
    // pixel is taken with the horizontal factor.
    const int barTop = PixelsFromTwips(out.desktop.Bottom() * s.y - s.x, s.y);
    out.bar = {0, barTop, out.clientWidth, in.barHeight};

    // From the bar's designed height in twips: at a scale where it is not a
    // whole number of pixels the bar's pixel height would lose the fraction.
    const double freeHeight = kBarHeight - static_cast<double>(RoundHalfEven(kButtonHeightPx * s.y));
    const int buttonTop = PixelsFromTwips(static_cast<double>(WholeQuotient(freeHeight, 2)), s.y);
    // Right-aligned against the bar's outer width, from right to left.
    const int cancelLeft = LeftOfButtonBefore(out.clientWidth, kWideGapPx, s.x);
    const int okLeft = LeftOfButtonBefore(cancelLeft, kNarrowGapPx, s.x);
    const int defaultLeft = LeftOfButtonBefore(okLeft, kNarrowGapPx, s.x);
    out.cancelButton = {cancelLeft, buttonTop, kButtonWidthPx, kButtonHeightPx};
    out.okButton = {okLeft, buttonTop, kButtonWidthPx, kButtonHeightPx};
    out.defaultButton = {defaultLeft, buttonTop, kButtonWidthPx, kButtonHeightPx};

    out.clientHeight = out.bar.Bottom();
    return out;
}

PixelPoint AutomaticSamplePlace(const PositionRect& cursor, int sampleWidth, int sampleHeight) {
    return {cursor.left + MaxOf(cursor.width - sampleWidth, kAutomaticMinimumPx),
            cursor.top + MaxOf(cursor.height - sampleHeight, kAutomaticMinimumPx)};
}

PixelPoint FirstSamplePlace(const PositionRect& cursor, PositionOffsets offsets, int sampleWidth, int sampleHeight) {
    const PixelPoint automatic = AutomaticSamplePlace(cursor, sampleWidth, sampleHeight);
    return {offsets.left != 0 ? MaxOf(offsets.left + cursor.left, 0) : automatic.x,
            offsets.top != 0 ? MaxOf(offsets.top + cursor.top, 0) : automatic.y};
}

} // namespace morvane
