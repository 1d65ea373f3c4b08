#pragma once
// Text forms of colours: the colour text (six capital hexadecimal digits,
// 0x00BBGGRR so "0000FF" is red) and the colour list text of the sixteen
// custom colours.
#include <string>
#include <string_view>

#include "platform/colour.h"
#include "services/settings_store.h"

namespace morvane {

std::wstring ColourText(Colour colour);
// At most the first six characters, read as "&H" + them by the leading-number rule.
Colour ParseColourText(std::wstring_view text);
std::wstring BuildColourListText(const CustomColours& colours);
CustomColours ParseColourListText(std::wstring_view text);

// Settings-file forms of the above.
Colour ReadColour(const SettingsStore& store, const std::wstring& file, const std::wstring& section,
                  const std::wstring& key, const std::wstring& defaultText);
void WriteColour(const SettingsStore& store, const std::wstring& file, const std::wstring& section,
                 const std::wstring& key, Colour colour);
CustomColours ReadCustomColours(const SettingsStore& store, const std::wstring& file);
void WriteCustomColours(const SettingsStore& store, const std::wstring& file, const CustomColours& colours);

} // namespace morvane
