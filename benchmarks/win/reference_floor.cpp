// The floor reference program of benchmarks/run.sh: the bare program's
// window and 1 ms timer, and on each tick only the calls any indicator of the
// input language must make: the two key states of the gesture, the cursor
// position, the window under it, its thread's keyboard layout, and one move
// of the window when the cursor moved.
#include "reference_window.h"

namespace {

POINT lastCursor{-1, -1};
// Written, so that the reads are not optimised away.
volatile SHORT keys;
volatile HKL layout;

void Tick(HWND window) {
    keys = static_cast<SHORT>(GetAsyncKeyState(VK_LSHIFT) | GetAsyncKeyState(VK_MBUTTON));
    POINT cursor{};
    GetCursorPos(&cursor);
    const HWND under = WindowFromPoint(cursor);
    layout = GetKeyboardLayout(GetWindowThreadProcessId(under, nullptr));
    if (cursor.x != lastCursor.x || cursor.y != lastCursor.y) {
        SetWindowPos(window, HWND_TOPMOST, cursor.x + 8, cursor.y + 8, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        lastCursor = cursor;
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return reference::RunReferenceWindow(instance, L"ReferenceFloor", Tick);
}
