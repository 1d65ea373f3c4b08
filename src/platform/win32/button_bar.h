#pragma once
// A dialog's button bar (pbBar): a picture box in the menu colour
// that holds the push buttons. Themed buttons get the bar's picture behind
// their rounded corners.
#include <windows.h>

#include "platform/win32/picture_box.h"

namespace morvane::win32 {

class ButtonBar : public PictureBox {
public:
    // Loads the box; Tab and access keys reach the buttons inside it.
    bool Load(HWND parent, int childId);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace morvane::win32
