#include "platform/win32/lazy_library.h"

#include <string>

namespace morvane::win32 {

HMODULE LazyLibrary::Module() {
    if (module_) return module_.get();
    // By full path, so that no library of the same name elsewhere (the
    // program's folder, the working folder) is taken instead.
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
