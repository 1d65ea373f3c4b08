#include "platform/win32/process_facts_win32.h"

#include "platform/process_text.h"
#include "platform/win32/version_record_win32.h"

namespace morvane::win32 {

std::wstring ModulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // cut off: try a larger buffer
    }
}

Win32ProcessFacts::Win32ProcessFacts(const wchar_t* instanceMutexName)
    : path_(ModulePath(nullptr)),
      commandLineText_(TextAfterProgramName(GetCommandLineW())),
      version_(ReadVersionRecord(nullptr)) {
    ExecutableLocation location = SplitExecutablePath(path_);
    directory_ = std::move(location.directory);
    baseName_ = std::move(location.baseName);

    SetLastError(ERROR_SUCCESS);
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, instanceMutexName);
    const DWORD error = GetLastError();
    instanceMutex_.reset(mutex);
    // A mutex made by another user's copy cannot be opened, but exists.
    anotherInstance_ = error == ERROR_ALREADY_EXISTS || (!instanceMutex_ && error == ERROR_ACCESS_DENIED);
}

} // namespace morvane::win32
