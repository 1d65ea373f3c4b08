#pragma once
// Choosing the offset in the preview: where one drag step puts the sample,
// and the offset the sample's place stands for. Everything is in whole
// pixels of the preview's inner area.
#include "position/position_layout.h"

namespace morvane {

// The drag step: the sample's top-left corner goes to the pointer (pointer
// relative to the sample's top-left corner, as a mouse move reports it). A
// place that would touch or overlap the shield (edges count) puts the sample
// against the shield instead, diagonally off one of its corners, with no
// bound applied; any other place is kept inside the inner area, the far
// edges winning when the sample is larger than the area.
PixelPoint DragStep(const PositionRect& sample, PixelPoint pointer, const PositionRect& shield, int innerWidth,
                    int innerHeight);

// The offset that OK hands over: pixels from the hot spot to the sample's
// top-left corner; 0 (automatic) on an axis where the sample's right or
// bottom edge lines up with the cursor picture's. The values are not held
// to the settings loader's range.
PositionOffsets ChosenOffsets(const PositionRect& sample, const PositionRect& cursor);

} // namespace morvane
