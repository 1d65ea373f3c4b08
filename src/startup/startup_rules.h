#pragma once
// The start-up's decisions: the mode from the command line, whether a second
// copy goes on, and what the location check finds. Plain functions of their
// inputs.
#include <string>
#include <string_view>

#include "about/about_host.h"
#include "platform/version_record.h"

namespace morvane {

// Initialize: help mode for exactly "/help" or "/?", first-run mode for
// anything else (other letter case, a blank after the switch, more words).
AboutMode AboutModeForCommandLine(std::wstring_view commandLineText);

// A copy started while another runs ends before it shows anything, unless it
// was started for the help text.
bool SecondCopyEnds(AboutMode mode, bool anotherInstanceRunning);

// "SOFTWARE\" + company name + "\" + application title; its unnamed value
// holds the directory the program was last accepted from.
std::wstring LocationKeyOf(const VersionRecord& version);

// The application-path entry of an executable with this base name.
std::wstring AppPathsKeyOf(std::wstring_view baseName);

// The Tag of bbYes when the program runs from a directory not accepted yet.
inline constexpr wchar_t kNewLocationMark[] = L"*";

enum class LocationOutcome {
    NewLocation,  // set the new-location mark; the dialog is shown
    Accept,       // accepted here before: the acceptance runs at once, unseen
    Nothing,      // accepted here, but the dialog was asked for
};

// The stored directory against the executable's, exactly, letter case
// counting: "C:\tools" is not "C:\Tools". An empty stored text (no key, no
// value, unreadable) is a new location.
LocationOutcome LocationCheckOutcome(std::wstring_view storedDirectory, std::wstring_view executableDirectory,
                                     AboutMode mode);

} // namespace morvane
