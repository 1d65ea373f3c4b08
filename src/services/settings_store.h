#pragma once
// The settings file store: the five operations through which every setting is
// read and written. Nothing is cached; every call goes to the file.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/profile_files.h"
#include "services/settings_number.h"

namespace morvane {

class SettingsStore {
public:
    explicit SettingsStore(ProfileFiles& files) : files_(files) {}

    std::wstring IniReadText(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                             const std::optional<std::wstring>& defaultText = {}) const;
    SettingsNumber IniReadNumber(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                                 SettingsNumber defaultValue = {}) const;
    void IniWriteText(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                      const std::wstring& value) const;
    void IniWriteNumber(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                        SettingsNumber value) const;

private:
    // The attributes of an existing file that is not a directory.
    std::optional<std::uint32_t> ExistingFileAttributes(const std::wstring& path) const;
    // Makes an existing file writable; returns the attributes it had (normal
    // when it does not exist) so that they can be set back.
    std::uint32_t ClearAttributesForWrite(const std::wstring& file) const;

    ProfileFiles& files_;
};

} // namespace morvane
