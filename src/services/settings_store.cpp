#include "services/settings_store.h"

#include <cstddef>
#include <cstdint>

namespace morvane {

namespace {

// Buffer sizes handed to the profile functions, zero character included.
constexpr std::size_t kTextCapacity = 32767;
constexpr std::size_t kNumberCapacity = 255;

// The platform fills a blank buffer with the value and its zero character;
// trimming that whole buffer removes the value's leading blanks only, since
// its trailing ones sit before the zero.
std::wstring ValueFromBuffer(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(L' ');
    return first == std::wstring::npos ? std::wstring() : text.substr(first);
}

} // namespace

std::wstring SettingsStore::IniReadText(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                                        const std::optional<std::wstring>& defaultText) const {
    const std::wstring* defaultPointer = defaultText ? &*defaultText : nullptr;
    return ValueFromBuffer(files_.ReadString(file, section, key, defaultPointer, kTextCapacity));
}

SettingsNumber SettingsStore::IniReadNumber(const std::wstring& file, const std::wstring& section,
                                            const std::wstring& key, SettingsNumber defaultValue) const {
    if (file.empty() || section.empty() || key.empty()) return defaultValue;
    const std::wstring defaultText = NumberText(defaultValue);
    const std::wstring text = ValueFromBuffer(files_.ReadString(file, section, key, &defaultText, kNumberCapacity));
    // A number outside the settings-number range keeps the default.
    return ReadSettingsNumber(text).value_or(defaultValue);
}

void SettingsStore::IniWriteText(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                                 const std::wstring& value) const {
    if (file.empty()) return;
    if (!value.empty() && IniReadText(file, section, key) == value) return;
    const std::uint32_t remembered = ClearAttributesForWrite(file);
    // An empty value is stored as one blank, which reads back as empty.
    files_.WriteString(file, section, key, value.empty() ? std::wstring(L" ") : value);
    if (remembered != file_attr::kNormal) files_.SetAttributes(file, remembered);
}

void SettingsStore::IniWriteNumber(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                                   SettingsNumber value) const {
    if (file.empty()) return;
    // 0 is always written so that a missing key is created rather than left to
    // a caller's non-zero default.
    if (value != SettingsNumber{} && IniReadNumber(file, section, key) == value) return;
    const std::uint32_t remembered = ClearAttributesForWrite(file);
    // After a refused write the file is left with normal attributes.
    if (files_.WriteString(file, section, key, NumberText(value))) files_.SetAttributes(file, remembered);
}

std::optional<std::uint32_t> SettingsStore::ExistingFileAttributes(const std::wstring& path) const {
    if (path.empty()) return std::nullopt;
    const std::optional<std::uint32_t> attributes = files_.GetAttributes(path);
    if (!attributes || (*attributes & file_attr::kDirectory) != 0) return std::nullopt;
    return attributes;
}

std::uint32_t SettingsStore::ClearAttributesForWrite(const std::wstring& file) const {
    const std::optional<std::uint32_t> attributes = ExistingFileAttributes(file);
    if (!attributes) return file_attr::kNormal;
    files_.SetAttributes(file, file_attr::kNormal);
    return *attributes;
}

} // namespace morvane
