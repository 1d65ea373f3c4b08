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
        WindowSpec spec;
        spec.className = L"Morvane3TestWindow";
        spec.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        spec.style = style;
        spec.left = 40;
        spec.top = 50;
        spec.width = 200;
        spec.height = 150;
        return Create(spec);
    }
    bool LoadChild(const Window& parent) {
        WindowSpec spec;
        spec.className = L"Morvane3TestChild";
        spec.style = WS_CHILD | WS_VISIBLE;
        spec.parent = parent.hWnd();
        spec.childId = 7;
        spec.width = 20;
        spec.height = 20;
        return Create(spec);
    }

    int positionChanges = 0;  // WM_WINDOWPOSCHANGING received

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_WINDOWPOSCHANGING) ++positionChanges;
        return Window::HandleMessage(message, wParam, lParam);
    }
};

} // namespace morvane::win32::test_support
