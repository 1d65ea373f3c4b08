#pragma once
// The font object and its storage as eight keys of one settings section.
#include <cstdint>
#include <string>

#include "services/settings_number.h"
#include "services/settings_store.h"

namespace morvane {

class StdFont {
public:
    std::wstring Name;
    SettingsNumber Size;  // points, may have a fraction
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;
    std::int32_t Weight = 400;
    std::int32_t Charset = 0;

    bool Bold() const { return bold_; }
    // Setting Bold also sets Weight: 700 when on, 400 when off.
    void SetBold(bool bold) {
        bold_ = bold;
        Weight = bold ? 700 : 400;
    }

private:
    bool bold_ = false;
};

StdFont IniReadFont(const SettingsStore& store, const std::wstring& file, const std::wstring& section,
                    const std::wstring& prefix, const StdFont& defaultFont);
void IniWriteFont(const SettingsStore& store, const std::wstring& file, const std::wstring& section,
                  const std::wstring& prefix, const StdFont& font);
void CopyFont(const StdFont& source, StdFont& target);

} // namespace morvane
