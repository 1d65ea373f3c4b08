#pragma once
// The Windows registry calls the registry services need, with Win32's result
// codes (0 is success) and constants. Key names, value names and the data of
// the string types (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) are UTF-16, the
// registry's own form, so any folder name survives; other data is raw bytes.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace morvane {

// A predefined root key, as the system numbers it (32 bits, sign-extended by
// the system on 64-bit builds).
using RegistryRoot = std::uint32_t;
// An open key; 0 is never a key that was opened.
using RegistryKey = std::uintptr_t;
using RegistryResult = long;

namespace reg {
constexpr RegistryRoot kHkeyCurrentUser = 0x80000001;

constexpr RegistryResult kSuccess = 0;
constexpr RegistryResult kFileNotFound = 2;
constexpr RegistryResult kAccessDenied = 5;
constexpr RegistryResult kInvalidHandle = 6;
constexpr RegistryResult kMoreData = 234;

// Access rights and view flags.
constexpr std::uint32_t kKeyQueryValue = 0x1;
constexpr std::uint32_t kKeySetValue = 0x2;
constexpr std::uint32_t kKeyWrite = 0x20006;
constexpr std::uint32_t kKeyAllAccess = 0xF003F;
constexpr std::uint32_t kKeyWow64_64Key = 0x100;
constexpr std::uint32_t kKeyWow64_32Key = 0x200;

// Value types.
constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kRegDwordBigEndian = 5;
constexpr std::uint32_t kRegMultiSz = 7;
} // namespace reg

class Registry {
public:
    virtual ~Registry() = default;

    // RegOpenKeyEx: an existing subkey of root.
    virtual RegistryResult OpenKey(RegistryRoot root, const std::wstring& subkey, std::uint32_t access,
                                   RegistryKey& key) = 0;
    // RegCreateKeyEx: opens the subkey, creating it and missing parents;
    // non-volatile, default security.
    virtual RegistryResult CreateKey(RegistryRoot root, const std::wstring& subkey, std::uint32_t access,
                                     RegistryKey& key) = 0;
    // RegQueryValueEx: data receives at most data.size() bytes; size receives
    // the stored size (also when data is too small, with kMoreData). An empty
    // data span asks for type and size alone and succeeds when the value
    // exists. An empty name is the key's unnamed value.
    virtual RegistryResult QueryValue(RegistryKey key, const std::wstring& name, std::uint32_t& type,
                                      std::span<std::uint8_t> data, std::uint32_t& size) = 0;
    // RegSetValueEx: stores the bytes as given, terminating zeros included.
    virtual RegistryResult SetValue(RegistryKey key, const std::wstring& name, std::uint32_t type,
                                    std::span<const std::uint8_t> data) = 0;
    virtual RegistryResult DeleteValue(RegistryKey key, const std::wstring& name) = 0;
    virtual RegistryResult CloseKey(RegistryKey key) = 0;

    // IsWow64Process of kernel32 for the current process: its flag, or
    // nothing when the function is not there or the call fails.
    virtual std::optional<bool> QueryIsWow64Process() = 0;
    // True for a 64-bit build of the program.
    virtual bool ProcessIs64Bit() const = 0;
};

} // namespace morvane
