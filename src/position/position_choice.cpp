#include "position/position_choice.h"

#include "services/utilities.h"

namespace morvane {

namespace {

// Which side of the shield the sample goes to on one axis.
enum Contact { kNoContact = 0, kBefore = 1, kAfter = 2 };

// The tests run in this order, a later hit overriding an earlier one, so a
// candidate that starts inside the shield goes after it.
Contact ContactOnAxis(int low, int high, int shieldLow, int shieldHigh) {
    Contact hit = kNoContact;
    if (low <= shieldLow && high >= shieldHigh) hit = kBefore;
    if (InRange(high, shieldLow, shieldHigh)) hit = kBefore;
    if (InRange(low, shieldLow, shieldHigh)) hit = kAfter;
    return hit;
}

} // namespace

PixelPoint DragStep(const PositionRect& sample, PixelPoint pointer, const PositionRect& shield, int innerWidth,
                    int innerHeight) {
    const PositionRect candidate{sample.left + pointer.x, sample.top + pointer.y, sample.width, sample.height};
    const Contact hitX = ContactOnAxis(candidate.left, candidate.Right(), shield.left, shield.Right());
    const Contact hitY = ContactOnAxis(candidate.top, candidate.Bottom(), shield.top, shield.Bottom());
    if (hitX != kNoContact && hitY != kNoContact) {
        return {hitX == kBefore ? shield.left - sample.width : shield.Right(),
                hitY == kBefore ? shield.top - sample.height : shield.Bottom()};
    }
    return {MinOf(MaxOf(candidate.left, 0), innerWidth - sample.width),
            MinOf(MaxOf(candidate.top, 0), innerHeight - sample.height)};
}

PositionOffsets ChosenOffsets(const PositionRect& sample, const PositionRect& cursor) {
    PositionOffsets offsets{sample.left - cursor.left, sample.top - cursor.top};
    if (cursor.Right() - sample.width == sample.left) offsets.left = 0;
    if (cursor.Bottom() - sample.height == sample.top) offsets.top = 0;
    return offsets;
}

} // namespace morvane
