#include "platform/win32/shell_win32.h"

#include <windows.h>
#include <shellapi.h>

namespace morvane::win32 {

bool Win32Shell::Open(const std::wstring& file, const std::wstring& parameters, int showCommand) {
    const auto shellExecute = shell32_.Find<decltype(ShellExecuteW)>("ShellExecuteW");
    if (!shellExecute) return false;
    const HINSTANCE result = shellExecute(nullptr, L"open", file.c_str(), parameters.c_str(), L"", showCommand);
    // Values above 32 mean success.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace morvane::win32
