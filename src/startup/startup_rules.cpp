#include "startup/startup_rules.h"

namespace morvane {

AboutMode AboutModeForCommandLine(std::wstring_view commandLineText) {
    return commandLineText == L"/help" || commandLineText == L"/?" ? AboutMode::Help : AboutMode::FirstRun;
}

bool SecondCopyEnds(AboutMode mode, bool anotherInstanceRunning) {
    return anotherInstanceRunning && mode != AboutMode::Help;
}

std::wstring LocationKeyOf(const VersionRecord& version) {
    return L"SOFTWARE\\" + version.CompanyName + L"\\" + version.Title;
}

std::wstring AppPathsKeyOf(std::wstring_view baseName) {
    return L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + std::wstring(baseName) + L".exe";
}

LocationOutcome LocationCheckOutcome(std::wstring_view storedDirectory, std::wstring_view executableDirectory,
                                     AboutMode mode) {
    // Nothing stored is never a match, not even for an executable whose
    // directory could not be found out.
    if (storedDirectory.empty() || storedDirectory != executableDirectory) return LocationOutcome::NewLocation;
    return mode == AboutMode::FirstRun ? LocationOutcome::Accept : LocationOutcome::Nothing;
}

} // namespace morvane
