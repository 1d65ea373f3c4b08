#pragma once
// Sizing a window without causing resize events that change nothing.
#include "platform/win32/window.h"

namespace morvane::win32 {

// Nothing when a top-level window is minimised. Otherwise the outer width is
// set when it differs from width, then the outer height when it differs
// from height (twips; compared as the whole pixels they come to).
void SetFormSize(Window& window, double width, double height);

} // namespace morvane::win32
