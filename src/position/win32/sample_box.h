#pragma once
// The position dialog's sample (pbLang): a picture box that reports the
// presses, releases and moves of every mouse button to its dialog. From a
// press to the release the box holds the mouse capture, so the moves and the
// release still come when the pointer has left it.
#include <windows.h>

#include <functional>

#include "position/position_layout.h"
#include "platform/win32/picture_box.h"

namespace morvane::win32 {

class SampleBox : public PictureBox {
public:
    std::function<void()> OnPress;    // any button pressed
    std::function<void()> OnRelease;  // any button released, or the capture taken away
    // The pointer in pixels from the box's top-left corner.
    std::function<void(PixelPoint pointer)> OnMove;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace morvane::win32
