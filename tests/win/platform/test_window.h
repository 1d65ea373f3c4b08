#pragma once
// A plain window of the toolkit for the tests: a top-level window with a
// caption and frame, or a child of another window, that counts the resize
// attempts it receives.
#include <windows.h>

#include "platform/win32/window.h"

namespace morvane::win32::test_support {

class TestWindow : public Window {
public:
    bool LoadTopLevel(DWORD style = WS_OVERLAPPEDWINDOW) {
        WindowDesign design;
        design.className = L"Morvane3TestWindow";
        design.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        design.style = style;
        design.left = 40;
        design.top = 50;
        design.width = 200;
        design.height = 150;
        return Create(design);
    }
    bool LoadChild(const Window& parent) {
        WindowDesign design;
        design.className = L"Morvane3TestChild";
        design.style = WS_CHILD | WS_VISIBLE;
        design.parent = parent.hWnd();
        design.childId = 7;
        design.width = 20;
        design.height = 20;
        return Create(design);
    }

    int positionChanges = 0;  // WM_WINDOWPOSCHANGING received

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_WINDOWPOSCHANGING) ++positionChanges;
        return Window::HandleMessage(message, wParam, lParam);
    }
};

} // namespace morvane::win32::test_support
