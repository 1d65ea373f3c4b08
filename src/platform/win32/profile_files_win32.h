#pragma once
// Profile files through the wide profile functions. Paths are passed as wide
// text, so a settings folder whose name lies outside the ANSI code page still
// works; sections, keys and values are first taken through the ANSI code page
// so that they keep exactly what the ANSI functions would store.
#include "platform/ansi_code_page.h"
#include "platform/profile_files.h"

namespace morvane::win32 {

// FILE_ATTRIBUTE_NORMAL, which only ever stands alone, is 0 for the store;
// 0 goes to the system as FILE_ATTRIBUTE_NORMAL, its documented form.
std::uint32_t AttributesFromWin32(std::uint32_t win32Attributes);
std::uint32_t AttributesToWin32(std::uint32_t attributes);

class Win32ProfileFiles : public ProfileFiles {
public:
    explicit Win32ProfileFiles(const AnsiCodePage& ansi) : ansi_(ansi) {}

    std::wstring ReadString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                            const std::wstring* defaultText, std::size_t capacity) override;
    bool WriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override;
    std::optional<std::uint32_t> GetAttributes(const std::wstring& path) override;
    bool SetAttributes(const std::wstring& path, std::uint32_t attributes) override;

private:
    // The text as it comes back from the ANSI code page: characters without
    // a code there become the page's default character.
    std::wstring ThroughAnsi(const std::wstring& text) const;

    const AnsiCodePage& ansi_;
};

} // namespace morvane::win32
