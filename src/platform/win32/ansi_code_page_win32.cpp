#include "platform/win32/ansi_code_page_win32.h"

#include <windows.h>

#include <climits>

namespace morvane::win32 {

std::wstring Win32AnsiCodePage::Decode(std::string_view bytes) const {
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    const int length = static_cast<int>(bytes.size());
    const int count = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    if (count <= 0) return {};
    std::wstring text(static_cast<std::size_t>(count), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), count);
    return text;
}

std::string Win32AnsiCodePage::Encode(std::wstring_view text) const {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int length = static_cast<int>(text.size());
    // No flags and no default-character pointer: unmapped characters become
    // the code page's default character, as the ANSI functions do.
    const int count = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (count <= 0) return {};
    std::string bytes(static_cast<std::size_t>(count), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, bytes.data(), count, nullptr, nullptr);
    return bytes;
}

} // namespace morvane::win32
