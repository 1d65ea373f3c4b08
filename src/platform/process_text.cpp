#include "platform/process_text.h"

namespace morvane {

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

} // namespace

std::wstring TextAfterProgramName(std::wstring_view commandLine) {
    std::size_t i = 0;
    if (!commandLine.empty() && commandLine.front() == L'"') {
        const std::size_t closing = commandLine.find(L'"', 1);
        i = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
    } else {
        while (i < commandLine.size() && !IsBlank(commandLine[i])) ++i;
    }
    while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
    return std::wstring(commandLine.substr(i));
}

ExecutableLocation SplitExecutablePath(std::wstring_view path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    const std::wstring_view directory =
        separator == std::wstring_view::npos ? std::wstring_view() : path.substr(0, separator);
    std::wstring_view name = separator == std::wstring_view::npos ? path : path.substr(separator + 1);
    const std::size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring_view::npos) name = name.substr(0, dot);
    return {std::wstring(directory), std::wstring(name)};
}

} // namespace morvane
