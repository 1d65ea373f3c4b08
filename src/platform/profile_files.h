#pragma once
// Profile ("INI") files and file attributes, as the settings store needs them.
// Paths are wide text so that folders outside the ANSI code page work.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace morvane {

// File attribute bits; 0 means a normal file with no bit set.
namespace file_attr {
constexpr std::uint32_t kNormal = 0;
constexpr std::uint32_t kReadOnly = 0x1;
constexpr std::uint32_t kHidden = 0x2;
constexpr std::uint32_t kSystem = 0x4;
constexpr std::uint32_t kDirectory = 0x10;
constexpr std::uint32_t kArchive = 0x20;
} // namespace file_attr

class ProfileFiles {
public:
    virtual ~ProfileFiles() = default;

    // The key's value with surrounding blanks removed, or the default text
    // when the file, section or key is missing (no default: empty); cut to
    // capacity - 1 characters, as a buffer of that capacity would hold it.
    virtual std::wstring ReadString(const std::wstring& file, const std::wstring& section,
                                    const std::wstring& key, const std::wstring* defaultText,
                                    std::size_t capacity) = 0;
    // Stores key=value, creating file, section and key as needed.
    virtual bool WriteString(const std::wstring& file, const std::wstring& section,
                             const std::wstring& key, const std::wstring& value) = 0;
    // The file's attribute bits; nothing when the path cannot be looked at.
    virtual std::optional<std::uint32_t> GetAttributes(const std::wstring& path) = 0;
    virtual bool SetAttributes(const std::wstring& path, std::uint32_t attributes) = 0;
};

} // namespace morvane
