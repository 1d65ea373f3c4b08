#include "platform/win32/profile_files_win32.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "platform/win32/diagnostics.h"

namespace morvane::win32 {

std::uint32_t AttributesFromWin32(std::uint32_t win32Attributes) {
    return win32Attributes & ~static_cast<std::uint32_t>(FILE_ATTRIBUTE_NORMAL);
}

std::uint32_t AttributesToWin32(std::uint32_t attributes) {
    return attributes == file_attr::kNormal ? FILE_ATTRIBUTE_NORMAL : attributes;
}

std::wstring Win32ProfileFiles::ReadString(const std::wstring& file, const std::wstring& section,
                                           const std::wstring& key, const std::wstring* defaultText,
                                           std::size_t capacity) {
    if (capacity == 0) return {};
    const std::wstring ansiSection = ThroughAnsi(section);
    const std::wstring ansiKey = ThroughAnsi(key);
    const std::optional<std::wstring> ansiDefault =
        defaultText ? std::optional<std::wstring>(ThroughAnsi(*defaultText)) : std::nullopt;
    std::wstring buffer(capacity, L'\0');
    const DWORD count = GetPrivateProfileStringW(ansiSection.c_str(), ansiKey.c_str(),
                                                 ansiDefault ? ansiDefault->c_str() : nullptr, buffer.data(),
                                                 static_cast<DWORD>(capacity), file.c_str());
    buffer.resize(std::min<std::size_t>(count, capacity - 1));
    return buffer;
}

bool Win32ProfileFiles::WriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                                    const std::wstring& value) {
    if (WritePrivateProfileStringW(ThroughAnsi(section).c_str(), ThroughAnsi(key).c_str(), ThroughAnsi(value).c_str(),
                                   file.c_str()))
        return true;
    MORVANE_TRACE_FAILURE("WritePrivateProfileStringW", GetLastError());
    return false;
}

std::optional<std::uint32_t> Win32ProfileFiles::GetAttributes(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return AttributesFromWin32(attributes);
}

bool Win32ProfileFiles::SetAttributes(const std::wstring& path, std::uint32_t attributes) {
    return SetFileAttributesW(path.c_str(), AttributesToWin32(attributes)) != FALSE;
}

std::wstring Win32ProfileFiles::ThroughAnsi(const std::wstring& text) const {
    return ansi_.Decode(ansi_.Encode(text));
}

} // namespace morvane::win32
