#pragma once
// Map-based stand-ins for the settings file, the registry and the ANSI code
// page, behaving as the real ones do where the services rely on them: names
// ignore letter case, a read-only file refuses writes, each registry view is a
// store of its own, a key refuses what its access rights do not allow.
#include <algorithm>
#include <cstring>
#include <cwctype>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/ansi_code_page.h"
#include "platform/profile_files.h"
#include "platform/registry.h"

namespace morvane {

inline std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c)));
    return text;
}

class FakeProfileFiles : public ProfileFiles {
public:
    std::wstring ReadString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                            const std::wstring* defaultText, std::size_t capacity) override {
        const auto found = values.find(Key(file, section, key));
        std::wstring text = found != values.end() ? found->second : defaultText ? *defaultText : L"";
        text.erase(0, std::min(text.size(), text.find_first_not_of(L' ')));
        text.erase(text.find_last_not_of(L' ') + 1);
        return text.substr(0, capacity - 1);
    }
    bool WriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override {
        ++writes;
        if ((attributes[Lower(file)] & file_attr::kReadOnly) != 0) return false;
        values[Key(file, section, key)] = value;
        return true;
    }
    // Only files given attributes exist as far as the store asks.
    std::optional<std::uint32_t> GetAttributes(const std::wstring& path) override {
        const auto found = attributes.find(Lower(path));
        return found == attributes.end() ? std::nullopt : std::optional(found->second);
    }
    bool SetAttributes(const std::wstring& path, std::uint32_t bits) override {
        attributes[Lower(path)] = bits;
        return true;
    }

    using Name = std::tuple<std::wstring, std::wstring, std::wstring>;
    static Name Key(const std::wstring& f, const std::wstring& s, const std::wstring& k) {
        return {Lower(f), Lower(s), Lower(k)};
    }
    void PutValue(const std::wstring& f, const std::wstring& s, const std::wstring& k, const std::wstring& v) {
        values[Key(f, s, k)] = v;
    }
    std::optional<std::wstring> Stored(const std::wstring& f, const std::wstring& s, const std::wstring& k) const {
        const auto found = values.find(Key(f, s, k));
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    std::map<Name, std::wstring> values;  // untrimmed, as written
    std::map<std::wstring, std::uint32_t> attributes;
    int writes = 0;  // attempted
};

class FakeRegistry : public Registry {
public:
    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> bytes;
    };
    // A key as (view: 32 or 64, lower-case path); the values by lower-case name.
    using KeyName = std::pair<int, std::wstring>;

    RegistryResult OpenKey(RegistryRoot, const std::wstring& subkey, std::uint32_t access, RegistryKey& key) override {
        if (failOpen) return reg::kAccessDenied;
        return keys.contains({ViewOf(access), Lower(subkey)}) ? Hand(subkey, access, key) : reg::kFileNotFound;
    }
    RegistryResult CreateKey(RegistryRoot, const std::wstring& subkey, std::uint32_t access, RegistryKey& key) override {
        if (failCreate) return reg::kAccessDenied;
        keys[{ViewOf(access), Lower(subkey)}];
        return Hand(subkey, access, key);
    }
    RegistryResult QueryValue(RegistryKey key, const std::wstring& name, std::uint32_t& type,
                              std::span<std::uint8_t> data, std::uint32_t& size) override {
        std::map<std::wstring, Value>* values = Allowed(key, reg::kKeyQueryValue);
        if (!values) return reg::kAccessDenied;
        const auto found = values->find(Lower(name));
        if (found == values->end()) return reg::kFileNotFound;
        type = found->second.type;
        size = static_cast<std::uint32_t>(found->second.bytes.size());
        if (!data.empty() && data.size() < size) return reg::kMoreData;
        if (!data.empty()) std::copy(found->second.bytes.begin(), found->second.bytes.end(), data.begin());
        return reg::kSuccess;
    }
    RegistryResult SetValue(RegistryKey key, const std::wstring& name, std::uint32_t type,
                            std::span<const std::uint8_t> data) override {
        std::map<std::wstring, Value>* values = Allowed(key, reg::kKeySetValue);
        if (!values) return reg::kAccessDenied;
        (*values)[Lower(name)] = {type, {data.begin(), data.end()}};
        return ++writes, reg::kSuccess;
    }
    RegistryResult DeleteValue(RegistryKey key, const std::wstring& name) override {
        std::map<std::wstring, Value>* values = Allowed(key, reg::kKeySetValue);
        if (!values) return reg::kAccessDenied;
        return ++writes, values->erase(Lower(name)) == 1 ? reg::kSuccess : reg::kFileNotFound;
    }
    RegistryResult CloseKey(RegistryKey key) override { return open_.erase(key) == 1 ? 0 : reg::kInvalidHandle; }
    std::optional<bool> QueryIsWow64Process() override { return isWow64; }
    bool ProcessIs64Bit() const override { return is64Bit; }

    // Test side: ASCII text stored as the system stores REG_SZ (UTF-16 with its
    // zero; other types byte by byte), and the text a string value holds.
    void PutText(int view, const std::wstring& subkey, const std::wstring& name, const std::string& text,
                 std::uint32_t type = reg::kRegSz) {
        std::vector<std::uint8_t> bytes;
        for (const char c : text) {
            bytes.push_back(static_cast<std::uint8_t>(c));
            if (type == reg::kRegSz) bytes.push_back(0);
        }
        if (type == reg::kRegSz) bytes.insert(bytes.end(), {0, 0});
        keys[{view, Lower(subkey)}][Lower(name)] = {type, bytes};
    }
    std::optional<std::string> Text(int view, const std::wstring& subkey, const std::wstring& name) const {
        const auto key = keys.find({view, Lower(subkey)});
        if (key == keys.end() || !key->second.contains(Lower(name))) return std::nullopt;
        std::string text;
        const std::vector<std::uint8_t>& bytes = key->second.at(Lower(name)).bytes;
        for (std::size_t i = 0; i + 1 < bytes.size() && (bytes[i] | bytes[i + 1]) != 0; i += 2)
            text += static_cast<char>(bytes[i]);
        return text;
    }
    int OpenKeys() const { return static_cast<int>(open_.size()); }

    std::map<KeyName, std::map<std::wstring, Value>> keys;
    bool is64Bit = false, failOpen = false, failCreate = false;
    std::optional<bool> isWow64 = false;
    int writes = 0;

private:
    // Without a view flag a process sees its own view.
    int ViewOf(std::uint32_t access) const {
        return access & reg::kKeyWow64_64Key ? 64 : access & reg::kKeyWow64_32Key ? 32 : is64Bit ? 64 : 32;
    }
    RegistryResult Hand(const std::wstring& subkey, std::uint32_t access, RegistryKey& key) {
        key = next_++;
        open_[key] = {{ViewOf(access), Lower(subkey)}, access};
        return reg::kSuccess;
    }
    // The values of an open key, when it was opened with the right.
    std::map<std::wstring, Value>* Allowed(RegistryKey key, std::uint32_t right) {
        const auto& [name, access] = open_.at(key);
        return (access & right) != 0 ? &keys[name] : nullptr;
    }
    std::map<RegistryKey, std::pair<KeyName, std::uint32_t>> open_;
    RegistryKey next_ = 1;
};

// Latin-1 with the trademark sign at 0x99, as in Windows-1252; anything else is '?'. Double-byte, as on
// Japanese or Chinese systems: beyond ASCII a character is a lead byte 0x81 and the low byte of U+4Exx.
class FakeAnsiCodePage : public AnsiCodePage {
public:
    bool doubleByte = false;
    std::wstring Decode(std::string_view bytes) const override {
        std::wstring text;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            if (doubleByte && byte == 0x81 && i + 1 < bytes.size()) text += static_cast<wchar_t>(0x4E00 | std::uint8_t(bytes[++i]));
            else text += byte == 0x99 && !doubleByte ? L'\u2122' : static_cast<wchar_t>(byte);
        }
        return text;
    }
    std::string Encode(std::wstring_view text) const override {
        std::string bytes;
        for (const wchar_t c : text) {
            if (doubleByte && c >= 0x80) bytes += {'\x81', static_cast<char>(c & 0xFF)};
            else bytes += c == L'\u2122' ? '\x99' : c <= 0xFF ? static_cast<char>(c) : '?';
        }
        return bytes;
    }
};

} // namespace morvane
