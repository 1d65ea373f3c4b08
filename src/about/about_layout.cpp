#include "about/about_layout.h"

#include "about/about_content.h"
#include "platform/twips.h"
#include "services/settings_number.h"

namespace morvane {

namespace {

// A value as a window gives it back once it has been set: whole pixels.
double SnappedX(double twips, const TwipsPerPixel& scale) {
    return TwipsFromPixels(PixelsFromTwips(twips, scale.x), scale.x);
}
double SnappedY(double twips, const TwipsPerPixel& scale) {
    return TwipsFromPixels(PixelsFromTwips(twips, scale.y), scale.y);
}

TwipsRect Placed(double left, double top, double width, double height, const TwipsPerPixel& scale) {
    return {SnappedX(left, scale), SnappedY(top, scale), SnappedX(width, scale), SnappedY(height, scale)};
}

// The two horizontal gaps are used as whole twips.
double GapX(int pixels, const TwipsPerPixel& scale) {
    return static_cast<double>(RoundHalfEven(pixels * scale.x));
}

constexpr double kTwipsPerDesignPixel = 15;

struct ContentPlacement {
    TwipsRect text;
    TwipsRect picture;
    TwipsRect link;
    TwipsRect check;
    double barTop = 0;
};

ContentPlacement PlaceContent(const AboutLayoutInput& in, double textLeft) {
    const TwipsPerPixel& s = in.twips;
    const double textTop = in.icon.top;
    ContentPlacement placed;
    switch (ContentOf(in.aboutMode)) {
    case AboutContent::Introduction: {
        // The text box and the picture's place in its blank lines are pixels
        // of 96 dots per inch: they grow with the text's font at a larger
        // scale, or the text is cut and the picture covers it.
        placed.text = Placed(textLeft, textTop, 350 * kTwipsPerDesignPixel, 180 * kTwipsPerDesignPixel, s);
        const double pictureLeft =
            placed.text.left + static_cast<double>(WholeQuotient(placed.text.width - in.pictureWidth, 2));
        placed.picture = Placed(pictureLeft, placed.text.top + 50 * kTwipsPerDesignPixel, in.pictureWidth,
                                in.pictureHeight, s);
        placed.barTop = placed.text.top + placed.text.height;
        break;
    }
    case AboutContent::About:
        placed.text = Placed(textLeft, textTop, in.text.width, in.text.height, s);
        placed.link = Placed(placed.text.left, placed.text.top + placed.text.height, in.link.width,
                             in.link.height, s);
        placed.barTop = placed.link.top + placed.link.height + placed.text.top;
        break;
    case AboutContent::Hint:
        placed.text = Placed(textLeft, textTop, in.text.width, in.text.height, s);
        placed.check = Placed(in.icon.left, placed.text.top + placed.text.height,
                              in.checkCaption.width + 18 * s.x, in.checkCaption.height, s);
        placed.barTop = placed.check.top + placed.check.height + placed.text.top;
        break;
    }
    return placed;
}

} // namespace

AboutLoadSizes AboutSizesAtLoad(TwipsPerPixel twips) {
    using namespace about_design;
    AboutLoadSizes sizes;
    sizes.icon = Placed(kIconLeftPx * twips.x, kIconTopPx * twips.y, kIconSize, kIconSize, twips);
    sizes.buttonWidth = SnappedX(kButtonWidthPx * twips.x, twips);
    sizes.buttonHeight = SnappedY(kButtonHeightPx * twips.y, twips);
    sizes.barHeight = SnappedY(kBarHeightPx * twips.y, twips);
    sizes.pictureWidth = SnappedX(kPictureWidthPx * twips.x, twips);
    sizes.pictureHeight = SnappedY(kPictureHeightPx * twips.y, twips);
    return sizes;
}

AboutLayout LayOutAbout(const AboutLayoutInput& in) {
    const TwipsPerPixel& s = in.twips;
    const double gap9 = GapX(9, s);
    const double gap15 = GapX(15, s);
    AboutLayout layout;

    const double textLeft = SnappedX(in.icon.left + in.icon.width + gap9, s);
    const ContentPlacement placed = PlaceContent(in, textLeft);
    layout.text = placed.text;
    layout.picture = placed.picture;
    layout.link = placed.link;
    layout.check = placed.check;

    // The client area ends 30 px right of the text.
    layout.windowWidth = SnappedX(in.frameWidth + layout.text.left + layout.text.width + 2 * gap15, s);
    layout.clientWidth = layout.windowWidth - in.frameWidth;

    layout.bar = Placed(0, placed.barTop, layout.clientWidth, in.barHeight, s);

    const double noLeft = layout.clientWidth - in.buttonWidth - gap15;
    const auto noTop = static_cast<double>(WholeQuotient(layout.bar.height - in.buttonHeight, 2));
    layout.no = Placed(noLeft, noTop, in.buttonWidth, in.buttonHeight, s);
    if (ContentOf(in.aboutMode) == AboutContent::Introduction) {
        layout.yes = Placed(layout.no.left - in.buttonWidth - gap9, layout.no.top, in.buttonWidth,
                            in.buttonHeight, s);
    }

    // The client area ends with the bar.
    layout.windowHeight = SnappedY(in.frameHeight + layout.bar.top + layout.bar.height, s);
    layout.clientHeight = layout.windowHeight - in.frameHeight;
    return layout;
}

} // namespace morvane
