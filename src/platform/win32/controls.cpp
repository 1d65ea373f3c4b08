#include "platform/win32/controls.h"

#include <string>

namespace morvane::win32 {

HWND CreateControl(const wchar_t* className, std::wstring_view caption, DWORD style, HWND parent, int id) {
    return CreateWindowExW(0, className, std::wstring(caption).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                           nullptr);
}

} // namespace morvane::win32
