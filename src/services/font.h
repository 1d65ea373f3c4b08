#pragma once
// The font object's storage as eight keys of one settings section.
#include <string>

#include "platform/std_font.h"
#include "services/settings_store.h"

namespace morvane {

StdFont IniReadFont(const SettingsStore& store, const std::wstring& file, const std::wstring& section,
                    const std::wstring& prefix, const StdFont& defaultFont);
void IniWriteFont(const SettingsStore& store, const std::wstring& file, const std::wstring& section,
                  const std::wstring& prefix, const StdFont& font);
void CopyFont(const StdFont& source, StdFont& target);

} // namespace morvane
