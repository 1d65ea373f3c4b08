#include "startup/startup_rules.h"

#include "about/about_host.h"

namespace morvane {

std::int32_t AboutModeForCommandLine(std::wstring_view commandLineText) {
    return commandLineText == L"/help" || commandLineText == L"/?" ? about_mode::kHelp : about_mode::kFirstRun;
}

bool SecondCopyEnds(std::int32_t aboutMode, bool anotherInstanceRunning) {
    return anotherInstanceRunning && aboutMode != about_mode::kHelp;
}

std::wstring LocationKeyOf(const VersionRecord& version) {
    return L"SOFTWARE\\" + version.CompanyName + L"\\" + version.Title;
}

std::wstring AppPathsKeyOf(std::wstring_view baseName) {
    return L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + std::wstring(baseName) + L".exe";
}

LocationOutcome LocationCheckOutcome(std::wstring_view storedDirectory, std::wstring_view executableDirectory,
                                     std::int32_t aboutMode) {
    // Nothing stored is never a match, not even for an executable whose
    // directory could not be found out.
    if (storedDirectory.empty() || storedDirectory != executableDirectory) return LocationOutcome::NewLocation;
    return aboutMode == about_mode::kFirstRun ? LocationOutcome::Accept : LocationOutcome::Nothing;
}

} // namespace morvane
