#include "doubles/fake_registry.h"

#include <algorithm>
#include <cwctype>

namespace morvane {

bool FakeRegistry::NoCaseLess::operator()(const std::wstring& a, const std::wstring& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
        return std::towlower(static_cast<std::wint_t>(x)) < std::towlower(static_cast<std::wint_t>(y));
    });
}

std::wstring FakeRegistry::Path(RegistryRoot root, const std::wstring& subkey) {
    return std::to_wstring(root) + L"\\" + subkey;
}

const FakeRegistry::Handle* FakeRegistry::Find(RegistryKey key) const {
    const auto found = open_.find(key);
    return found == open_.end() ? nullptr : &found->second;
}

RegistryKey FakeRegistry::Hand(const std::wstring& path, std::uint32_t access) {
    const RegistryKey key = nextKey_++;
    open_[key] = Handle{path, access};
    return key;
}

RegistryResult FakeRegistry::OpenKey(RegistryRoot root, const std::wstring& subkey, std::uint32_t access,
                                     RegistryKey& key) {
    keyCalls.push_back({KeyCall::Kind::Open, subkey, access});
    if (failOpen) return reg::kAccessDenied;
    if (!HasKey(root, subkey)) return reg::kFileNotFound;
    key = Hand(Path(root, subkey), access);
    return reg::kSuccess;
}

RegistryResult FakeRegistry::CreateKey(RegistryRoot root, const std::wstring& subkey, std::uint32_t access,
                                       RegistryKey& key) {
    keyCalls.push_back({KeyCall::Kind::Create, subkey, access});
    if (failCreateNumber == ++creates) return reg::kAccessDenied;
    PutKey(root, subkey);
    key = Hand(Path(root, subkey), access);
    return reg::kSuccess;
}

RegistryResult FakeRegistry::QueryValue(RegistryKey key, const std::wstring& name, std::uint32_t& type,
                                        std::span<std::uint8_t> data, std::uint32_t& size) {
    const Handle* handle = Find(key);
    if (!handle) return reg::kInvalidHandle;
    if ((handle->access & reg::kKeyQueryValue) == 0) return reg::kAccessDenied;
    const Key& stored = keys_.at(handle->path);
    const auto value = stored.values.find(name);
    if (value == stored.values.end()) return reg::kFileNotFound;
    type = value->second.type;
    size = static_cast<std::uint32_t>(value->second.bytes.size());
    if (data.empty()) return reg::kSuccess;
    if (data.size() < value->second.bytes.size()) return reg::kMoreData;
    std::copy(value->second.bytes.begin(), value->second.bytes.end(), data.begin());
    return reg::kSuccess;
}

RegistryResult FakeRegistry::SetValue(RegistryKey key, const std::wstring& name, std::uint32_t type,
                                      std::span<const std::uint8_t> data) {
    ++writes;
    const Handle* handle = Find(key);
    if (!handle) return reg::kInvalidHandle;
    if (failSet || (handle->access & reg::kKeySetValue) == 0) return reg::kAccessDenied;
    keys_.at(handle->path).values[name] = Value{type, {data.begin(), data.end()}};
    return reg::kSuccess;
}

RegistryResult FakeRegistry::DeleteValue(RegistryKey key, const std::wstring& name) {
    ++writes;
    const Handle* handle = Find(key);
    if (!handle) return reg::kInvalidHandle;
    if ((handle->access & reg::kKeySetValue) == 0) return reg::kAccessDenied;
    return keys_.at(handle->path).values.erase(name) == 1 ? reg::kSuccess : reg::kFileNotFound;
}

RegistryResult FakeRegistry::CloseKey(RegistryKey key) {
    return open_.erase(key) == 1 ? reg::kSuccess : reg::kInvalidHandle;
}

void FakeRegistry::PutKey(RegistryRoot root, const std::wstring& subkey) {
    // Every parent exists as a key of its own, as after RegCreateKeyEx.
    for (std::size_t end = subkey.find(L'\\'); end != std::wstring::npos; end = subkey.find(L'\\', end + 1)) {
        keys_.try_emplace(Path(root, subkey.substr(0, end)));
    }
    keys_.try_emplace(Path(root, subkey));
}

void FakeRegistry::PutValue(RegistryRoot root, const std::wstring& subkey, const std::wstring& name,
                            std::uint32_t type, std::vector<std::uint8_t> bytes) {
    PutKey(root, subkey);
    keys_.at(Path(root, subkey)).values[name] = Value{type, std::move(bytes)};
}

void FakeRegistry::PutText(RegistryRoot root, const std::wstring& subkey, const std::wstring& name,
                           const std::string& text) {
    // As the system stores it: UTF-16 with its terminating zero.
    std::vector<std::uint8_t> bytes;
    for (const char c : text) bytes.insert(bytes.end(), {static_cast<std::uint8_t>(c), 0});
    bytes.insert(bytes.end(), {0, 0});
    PutValue(root, subkey, name, reg::kRegSz, std::move(bytes));
}

bool FakeRegistry::HasKey(RegistryRoot root, const std::wstring& subkey) const {
    return keys_.contains(Path(root, subkey));
}

std::optional<FakeRegistry::Value> FakeRegistry::StoredValue(RegistryRoot root, const std::wstring& subkey,
                                                             const std::wstring& name) const {
    const auto key = keys_.find(Path(root, subkey));
    if (key == keys_.end()) return std::nullopt;
    const auto value = key->second.values.find(name);
    if (value == key->second.values.end()) return std::nullopt;
    return value->second;
}

} // namespace morvane
