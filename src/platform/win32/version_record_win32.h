#pragma once
// The version record from a module's version resource.
#include <windows.h>

#include "platform/version_record.h"

namespace morvane::win32 {

// The record of a loaded module (nullptr: the executable); an empty record
// when the module has no version resource.
VersionRecord ReadVersionRecord(HMODULE module);

} // namespace morvane::win32
