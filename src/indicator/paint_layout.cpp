#include "indicator/paint_layout.h"

#include "platform/fixed_number.h"

namespace morvane {

PaintLayout LayoutPaint(std::int32_t textWidthPixels, std::int32_t textHeightPixels, TwipsPerPixel twips,
                        std::int32_t margin) {
    PaintLayout layout;
    layout.widthPixels = std::int64_t{textWidthPixels} + 2 * std::int64_t{margin};
    layout.heightPixels = std::int64_t{textHeightPixels} + 2 * (std::int64_t{margin} - 2);
    layout.width = static_cast<double>(layout.widthPixels) * twips.x;
    layout.height = static_cast<double>(layout.heightPixels) * twips.y;
    layout.currentX = margin * twips.x;
    layout.currentY = (margin - 2) * twips.y;
    return layout;
}

} // namespace morvane
