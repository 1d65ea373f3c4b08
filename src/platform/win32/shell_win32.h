#pragma once
// The shell's "open" through ShellExecuteW, shell32 and ole32 loaded with the first call.
#include "platform/shell.h"
#include "platform/win32/lazy_library.h"

namespace morvane::win32 {

class Win32Shell : public Shell {
public:
    bool Open(const std::wstring& file, const std::wstring& parameters, int showCommand) override;

private:
    LazyLibrary shell32_{L"shell32.dll"};
    LazyLibrary ole32_{L"ole32.dll"};
};

} // namespace morvane::win32
