#include "services/autostart_entry.h"

namespace morvane {

std::wstring ProgramExecutablePath(const ProcessFacts& process) {
    return process.ExecutableDirectory() + L"\\" + process.ExecutableBaseName() + L".exe";
}

AutostartEntry AutostartEntryOf(const ProcessFacts& process) {
    return {process.Version().ProductName, ProgramExecutablePath(process)};
}

} // namespace morvane
