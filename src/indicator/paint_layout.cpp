#include "indicator/paint_layout.h"

#include "platform/fixed_number.h"

namespace morvane {

PaintLayout LayoutPaint(double textWidth, double textHeight, TwipsPerPixel twips, std::int32_t margin) {
    PaintLayout layout;
    layout.widthPixels = WholeQuotient(textWidth, twips.x) + 2 * std::int64_t{margin};
    layout.heightPixels = WholeQuotient(textHeight, twips.y) + 2 * (std::int64_t{margin} - 2);
    layout.width = static_cast<double>(layout.widthPixels) * twips.x;
    layout.height = static_cast<double>(layout.heightPixels) * twips.y;
    layout.currentX = margin * twips.x;
    layout.currentY = (margin - 2) * twips.y;
    return layout;
}

} // namespace morvane
