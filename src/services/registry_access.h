#pragma once
// Registry access: every registry read and write of the program goes through
// here, in the view that matches the system, and so does the autostart entry.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/ansi_code_page.h"
#include "platform/registry.h"

namespace morvane {

// The view flag combined with every open and create. A 32-bit process on
// 64-bit Windows (WOW64) asks for the 64-bit view, on 32-bit Windows for the
// 32-bit one; a 64-bit process is never WOW64 and always wants the 64-bit view.
std::uint32_t RegistryViewFlagFor(bool processIs64Bit, bool isWow64);

// Registry data as text. The stored type tells how the bytes hold characters:
// UTF-16 for the string types, one character per byte (ANSI code page) for
// any other. The type converted by decides the form: string types without
// their terminating character, DWORDs in decimal, anything else every character.
std::wstring RegistryDataToText(const AnsiCodePage& ansi, std::uint32_t storedType, std::uint32_t convertAs,
                                std::span<const std::uint8_t> data);

// A string type's data as stored: the text in UTF-16 with its terminating zero.
std::vector<std::uint8_t> RegistryStringData(const std::wstring& text);

// The Run key and the value that starts the program with Windows.
inline constexpr wchar_t kAutostartRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct AutostartEntry {
    std::wstring productName;     // the value name
    std::wstring executablePath;  // the data: the executable's full path
};

class RegistryAccess {
public:
    RegistryAccess(Registry& registry, const AnsiCodePage& ansi) : registry_(registry), ansi_(ansi) {}

    // True for a 32-bit process on 64-bit Windows.
    bool IsWow64() const;
    // Worked out afresh at every use.
    std::uint32_t RegistryViewFlag() const;

    // The value as text, converted by type (the stored one unless given);
    // defaultText when the key or value cannot be read. An empty value name
    // is the key's unnamed value.
    std::wstring RegReadText(RegistryRoot root, const std::wstring& subkey, const std::wstring& valueName,
                             std::optional<std::uint32_t> type = {}, const std::wstring& defaultText = {}) const;
    // Stores value as REG_SZ, creating the key and missing parents; a value
    // of a string type that already holds the same text is left untouched
    // (one of another type is replaced). True on success.
    bool RegWriteText(RegistryRoot root, const std::wstring& subkey, const std::wstring& valueName,
                      const std::wstring& value) const;

    // Autostart is on exactly when the Run value holds the path, letter case counting.
    bool AutostartIsOn(const AutostartEntry& entry) const;
    bool SwitchAutostartOn(const AutostartEntry& entry) const;
    // Fails when the Run key cannot be opened or the value is not there.
    bool SwitchAutostartOff(const AutostartEntry& entry) const;

private:
    struct StoredText {
        std::uint32_t type = 0;
        std::wstring text;
    };
    std::optional<StoredText> ReadValueText(RegistryRoot root, const std::wstring& subkey,
                                            const std::wstring& valueName, std::optional<std::uint32_t> type) const;

    Registry& registry_;
    const AnsiCodePage& ansi_;
};

} // namespace morvane
