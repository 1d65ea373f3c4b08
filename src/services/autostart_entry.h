#pragma once
// The program's own path and autostart entry, made in one place from the
// process facts so that the start-up and the control menu compare and write
// the same text.
#include <string>

#include "platform/process_facts.h"
#include "services/registry_access.h"

namespace morvane {

// The executable's directory, "\", its base name and ".exe": the form that
// the autostart value and the application-path entry hold, whatever letter
// case the system reports for the file's extension.
std::wstring ProgramExecutablePath(const ProcessFacts& process);

// The Run value named after the product, holding the executable's path.
AutostartEntry AutostartEntryOf(const ProcessFacts& process);

} // namespace morvane
