#pragma once
// How the process's own texts are taken apart: the command line into the
// program name and what follows, the executable's path into its directory
// and base name.
#include <string>
#include <string_view>

namespace morvane {

// The command line without the program name and the blanks (spaces, tabs)
// after it. A quoted program name ends at its closing quote, an unquoted one
// at the first blank. Trailing blanks are kept.
std::wstring TextAfterProgramName(std::wstring_view commandLine);

struct ExecutableLocation {
    std::wstring directory;  // no closing "\"
    std::wstring baseName;   // file name without its extension
};

// Splits at the last "\" (or "/"); the extension is what follows the last "."
// of the file name, a name without a dot keeps its whole text.
ExecutableLocation SplitExecutablePath(std::wstring_view path);

} // namespace morvane
