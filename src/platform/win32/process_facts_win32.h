#pragma once
// The process's facts, gathered once when the object is made. Making it also
// claims the program's instance mutex, which it holds until it is destroyed:
// of two copies that start at the same moment exactly one sees no other.
#include <string>

#include "platform/process_facts.h"
#include "platform/win32/handles.h"

namespace morvane::win32 {

// Per user session, whatever directory or name the executable has.
inline constexpr wchar_t kInstanceMutexName[] = L"Local\\Zantor.Morvane3.Instance";

class Win32ProcessFacts : public ProcessFacts {
public:
    explicit Win32ProcessFacts(const wchar_t* instanceMutexName = kInstanceMutexName);

    std::wstring ExecutableDirectory() const override { return directory_; }
    std::wstring ExecutableBaseName() const override { return baseName_; }
    bool AnotherInstanceRunning() const override { return anotherInstance_; }
    std::wstring CommandLineText() const override { return commandLineText_; }
    VersionRecord Version() const override { return version_; }

private:
    std::wstring path_;
    std::wstring directory_;
    std::wstring baseName_;
    std::wstring commandLineText_;
    VersionRecord version_;
    UniqueKernelHandle instanceMutex_;
    bool anotherInstance_ = false;
};

// The executable's full path, however long.
std::wstring ModulePath(HMODULE module);

} // namespace morvane::win32
