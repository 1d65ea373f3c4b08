#pragma once
// What the dialog tests ask of the controls they check: place, size, text
// and visibility, as the windows themselves report them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

namespace morvane::win32::test_support {

// A control's rectangle in pixels, relative to its parent's client area.
inline RECT PlaceOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline void ExpectPlace(HWND control, int left, int top, int width, int height, const char* name) {
    const RECT r = PlaceOf(control);
    EXPECT_EQ(r.left, left) << name;
    EXPECT_EQ(r.top, top) << name;
    EXPECT_EQ(r.right - r.left, width) << name;
    EXPECT_EQ(r.bottom - r.top, height) << name;
}

inline SIZE ClientSize(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

inline std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The control's own visible style, whether or not its parent shows.
inline bool VisibleFlag(HWND control) {
    return (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

} // namespace morvane::win32::test_support
