// A plain window of benchmarks/run.sh under the path of the moving cursor:
// Wine sees pointer motion only over its own windows, so without it no
// program under test would be told of a move.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CreateWindowExW(0, L"STATIC", L"pointer pad", WS_POPUP | WS_VISIBLE, 200, 100, 400, 400, nullptr, nullptr,
                    instance, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
