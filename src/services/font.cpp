#include "services/font.h"

#include <algorithm>
#include <limits>

#include "services/utilities.h"

namespace morvane {

namespace {

// Sizes are stored in whole points; a size too large for a whole settings
// number stops at the largest one.
SettingsNumber WholePoints(SettingsNumber size) {
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / SettingsNumber::kScale;
    return SettingsNumber::FromScaled(std::clamp(size.Whole(), -kLimit, kLimit) * SettingsNumber::kScale);
}

// A stored flag is on only when its number is exactly 1.
bool ReadFlag(const SettingsStore& store, const std::wstring& file, const std::wstring& section,
              const std::wstring& key, bool defaultFlag) {
    return store.IniReadNumber(file, section, key, BitOf(defaultFlag)) == SettingsNumber(1);
}

} // namespace

StdFont IniReadFont(const SettingsStore& store, const std::wstring& file, const std::wstring& section,
                    const std::wstring& prefix, const StdFont& defaultFont) {
    StdFont font;
    font.Name = store.IniReadText(file, section, prefix + L"Name", defaultFont.Name);
    font.Size = MaxOf(store.IniReadNumber(file, section, prefix + L"Size", defaultFont.Size), 1);
    font.Charset = MinOf(MaxOf(store.IniReadNumber(file, section, prefix + L"Charset", defaultFont.Charset), 0), 255);
    font.Weight = MinOf(MaxOf(store.IniReadNumber(file, section, prefix + L"Weight", defaultFont.Weight), 0), 900);
    // Bold comes after Weight and sets it to 700 or 400.
    font.SetBold(ReadFlag(store, file, section, prefix + L"Bold", defaultFont.Bold()));
    font.Italic = ReadFlag(store, file, section, prefix + L"Italic", defaultFont.Italic);
    font.Underline = ReadFlag(store, file, section, prefix + L"Under", defaultFont.Underline);
    font.Strikethrough = ReadFlag(store, file, section, prefix + L"Strike", defaultFont.Strikethrough);
    return font;
}

void IniWriteFont(const SettingsStore& store, const std::wstring& file, const std::wstring& section,
                  const std::wstring& prefix, const StdFont& font) {
    store.IniWriteText(file, section, prefix + L"Name", font.Name);
    store.IniWriteNumber(file, section, prefix + L"Size", WholePoints(font.Size));
    store.IniWriteNumber(file, section, prefix + L"Charset", font.Charset);
    store.IniWriteNumber(file, section, prefix + L"Weight", font.Weight);
    store.IniWriteNumber(file, section, prefix + L"Bold", BitOf(font.Bold()));
    store.IniWriteNumber(file, section, prefix + L"Italic", BitOf(font.Italic));
    store.IniWriteNumber(file, section, prefix + L"Under", BitOf(font.Underline));
    store.IniWriteNumber(file, section, prefix + L"Strike", BitOf(font.Strikethrough));
}

void CopyFont(const StdFont& source, StdFont& target) {
    target.Name = source.Name;
    target.Size = source.Size;
    if (source.Weight >= 1) target.Weight = source.Weight;
    target.Charset = source.Charset;
    target.SetBold(source.Bold());
    target.Italic = source.Italic;
    target.Underline = source.Underline;
    target.Strikethrough = source.Strikethrough;
}

} // namespace morvane
