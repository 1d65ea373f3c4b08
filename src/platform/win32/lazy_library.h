#pragma once
// A system library loaded on the first call into it, not at start, and freed
// with its owner: the common dialogs and the shell pull in whole stacks of
// other libraries (printing, COM) that most sessions never use.
#include <windows.h>

#include "platform/win32/handles.h"

namespace morvane::win32 {

// From here on, a library loaded by name alone, by this program or by any
// library it loads, comes only from the system folder, never from the
// program's own folder (often Downloads, where others can plant files).
// False where the system lacks SetDefaultDllDirectories (Windows 7 without
// update KB2533623); the program runs on as before there.
bool RestrictLibrarySearchToSystem();

class LazyLibrary {
public:
    // name: a library of the system folder, such as L"comdlg32.dll".
    explicit LazyLibrary(const wchar_t* name) : name_(name) {}

    // The library's function of that name and type (as in
    // Find<decltype(ChooseColorA)>("ChooseColorA")); nullptr when the
    // library or the function is missing.
    template <typename Function>
    Function* Find(const char* function) {
        const HMODULE module = Module();
        if (!module) return nullptr;
        // Through void(*)(), the pointer type that converts to any other.
        const auto address = reinterpret_cast<void (*)()>(GetProcAddress(module, function));
        return reinterpret_cast<Function*>(address);
    }

private:
    HMODULE Module();

    const wchar_t* name_;
    UniqueModule module_;
};

} // namespace morvane::win32
