#pragma once
// An in-memory registry that behaves like the Win32 one as far as the
// registry services rely on it: key and value names ignore letter case,
// create makes missing parents, a query with no buffer reports type and size,
// a too-small buffer gives kMoreData, and a key refuses what its access
// rights do not allow. Every open and create is recorded with its access
// rights; counters and failure switches let tests prove what was touched.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace morvane {

class FakeRegistry : public Registry {
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
    std::optional<bool> QueryIsWow64Process() override { return isWow64Process; }
    bool ProcessIs64Bit() const override { return processIs64Bit; }

    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> bytes;
        friend bool operator==(const Value&, const Value&) = default;
    };
    struct KeyCall {
        enum class Kind { Open, Create } kind;
        std::wstring subkey;
        std::uint32_t access;
    };

    // Set-up and inspection; none of these counts as an access.
    void PutKey(RegistryRoot root, const std::wstring& subkey);
    void PutValue(RegistryRoot root, const std::wstring& subkey, const std::wstring& name, std::uint32_t type,
                  std::vector<std::uint8_t> bytes);
    void PutText(RegistryRoot root, const std::wstring& subkey, const std::wstring& name, const std::string& text);
    bool HasKey(RegistryRoot root, const std::wstring& subkey) const;
    std::optional<Value> StoredValue(RegistryRoot root, const std::wstring& subkey, const std::wstring& name) const;

    // Facts of the process.
    bool processIs64Bit = false;
    std::optional<bool> isWow64Process = false;  // nothing: the function is missing or fails

    // Failure switches.
    bool failOpen = false;
    std::optional<int> failCreateNumber;  // the n-th create call (from 1) fails
    bool failSet = false;

    std::vector<KeyCall> keyCalls;
    int creates = 0;  // attempted
    int writes = 0;   // attempted sets and deletions
    int OpenKeys() const { return static_cast<int>(open_.size()); }

private:
    struct NoCaseLess {
        bool operator()(const std::wstring& a, const std::wstring& b) const;
    };
    struct Key {
        std::map<std::wstring, Value, NoCaseLess> values;
    };
    struct Handle {
        std::wstring path;
        std::uint32_t access;
    };
    static std::wstring Path(RegistryRoot root, const std::wstring& subkey);
    const Handle* Find(RegistryKey key) const;
    RegistryKey Hand(const std::wstring& path, std::uint32_t access);

    std::map<std::wstring, Key, NoCaseLess> keys_;
    std::map<RegistryKey, Handle> open_;
    RegistryKey nextKey_ = 1;
};

} // namespace morvane
