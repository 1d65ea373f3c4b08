#pragma once
// The shell's "open" through ShellExecuteW.
#include "platform/shell.h"

namespace morvane::win32 {

class Win32Shell : public Shell {
public:
    bool Open(const std::wstring& file, const std::wstring& parameters, int showCommand) override;
};

} // namespace morvane::win32
