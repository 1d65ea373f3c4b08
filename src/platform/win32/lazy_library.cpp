#include "platform/win32/lazy_library.h"

#include <string>

namespace morvane::win32 {

bool RestrictLibrarySearchToSystem() {
    // Looked up at run time, so that systems without it still start.
    using SetDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto setDirectories = reinterpret_cast<SetDirectoriesFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    return setDirectories != nullptr && setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE LazyLibrary::Module() {
    if (module_) return module_.get();
    // The library and what it loads in turn from the system folder only.
    module_.reset(LoadLibraryExW(name_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (module_) return module_.get();
    // Systems without that flag: by full path, so that no library of the
    // same name elsewhere (the program's folder, the working folder) is taken.
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = GetSystemDirectoryW(path.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    path.resize(length);
    path += L'\\';
    path += name_;
    module_.reset(LoadLibraryW(path.c_str()));
    return module_.get();
}

} // namespace morvane::win32
