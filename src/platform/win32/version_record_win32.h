#pragma once
// The version record from a module's version resource.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/version_record.h"

namespace morvane::win32 {

// The record of a loaded module (nullptr: the executable); an empty record
// when the module has no version resource.
VersionRecord ReadVersionRecord(HMODULE module);
// The record of an executable file on disk, which is not run; nothing when
// the file cannot be opened.
std::optional<VersionRecord> ReadVersionRecordOfFile(const std::wstring& path);

} // namespace morvane::win32
