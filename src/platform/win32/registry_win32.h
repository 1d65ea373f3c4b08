#pragma once
// The registry through advapi32's wide-character functions. Keys handed out
// stay owned here until CloseKey (or until this object goes).
#include <map>

#include "platform/registry.h"
#include "platform/win32/handles.h"

namespace morvane::win32 {

class Win32Registry : public Registry {
public:
    RegistryResult OpenKey(RegistryRoot root, const std::wstring& subkey, std::uint32_t access,
                           RegistryKey& key) override;
    RegistryResult CreateKey(RegistryRoot root, const std::wstring& subkey, std::uint32_t access,
                             RegistryKey& key) override;
    RegistryResult QueryValue(RegistryKey key, const std::wstring& name, std::uint32_t& type,
                              std::span<std::uint8_t> data, std::uint32_t& size) override;
    RegistryResult SetValue(RegistryKey key, const std::wstring& name, std::uint32_t type,
                            std::span<const std::uint8_t> data) override;
    RegistryResult DeleteValue(RegistryKey key, const std::wstring& name) override;
    RegistryResult CloseKey(RegistryKey key) override;

    std::optional<bool> QueryIsWow64Process() override;
    bool ProcessIs64Bit() const override;

private:
    RegistryKey Keep(UniqueHkey key);
    HKEY Find(RegistryKey key) const;

    std::map<RegistryKey, UniqueHkey> open_;
};

} // namespace morvane::win32
