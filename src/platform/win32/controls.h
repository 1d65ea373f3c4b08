#pragma once
// Child controls of the program's dialogs.
#include <windows.h>

#include <string_view>

namespace morvane::win32 {

// Creates a visible child control of a system class with the given extra
// styles, child id and no size yet; the dialog places it later.
HWND CreateControl(const wchar_t* className, std::wstring_view caption, DWORD style, HWND parent, int id);

} // namespace morvane::win32
