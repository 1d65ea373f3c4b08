#include "platform/win32/shell_win32.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

namespace morvane::win32 {

bool Win32Shell::Open(const std::wstring& file, const std::wstring& parameters, int showCommand) {
    const auto shellExecute = shell32_.Find<decltype(ShellExecuteW)>("ShellExecuteW");
    if (!shellExecute) return false;
    // The shell may hand the file to an extension built on COM, so COM is
    // started first on this thread, as ShellExecuteW's documentation asks.
    const auto initialize = ole32_.Find<decltype(CoInitializeEx)>("CoInitializeEx");
    const auto uninitialize = ole32_.Find<decltype(CoUninitialize)>("CoUninitialize");
    const bool com = initialize && uninitialize &&
                     SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    const HINSTANCE result = shellExecute(nullptr, L"open", file.c_str(), parameters.c_str(), L"", showCommand);
    if (com) uninitialize();
    // Values above 32 mean success.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace morvane::win32
