#include "services/registry_access.h"

#include <algorithm>
#include <vector>

#include "services/decimal_text.h"
#include "services/utilities.h"

namespace morvane {

namespace {

// Owns a key opened or created through Registry and closes it on every path.
class ScopedKey {
public:
    explicit ScopedKey(Registry& registry) : registry_(registry) {}
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;
    ~ScopedKey() { Close(); }

    bool Open(RegistryRoot root, const std::wstring& subkey, std::uint32_t access) {
        RegistryKey key = 0;
        const RegistryResult result = registry_.OpenKey(root, subkey, access, key);
        return Keep(result, key);
    }
    bool Create(RegistryRoot root, const std::wstring& subkey, std::uint32_t access) {
        RegistryKey key = 0;
        const RegistryResult result = registry_.CreateKey(root, subkey, access, key);
        return Keep(result, key);
    }
    RegistryKey get() const { return key_; }
    void Close() {
        if (key_ != 0) registry_.CloseKey(key_);
        key_ = 0;
    }

private:
    bool Keep(RegistryResult result, RegistryKey key) {
        if (result != reg::kSuccess) return false;
        key_ = key;
        return true;
    }

    Registry& registry_;
    RegistryKey key_ = 0;
};

// A DWORD is four bytes; a shorter value contributes the bytes it has.
std::uint32_t LittleEndian(std::span<const std::uint8_t> data) {
    std::uint32_t number = 0;
    const std::size_t count = std::min<std::size_t>(data.size(), 4);
    for (std::size_t i = count; i > 0; --i) number = (number << 8) | data[i - 1];
    return number;
}

std::uint32_t BigEndian(std::span<const std::uint8_t> data) {
    std::uint32_t number = 0;
    for (std::uint8_t byte : data.first(std::min<std::size_t>(data.size(), 4))) number = (number << 8) | byte;
    return number;
}

} // namespace

std::uint32_t RegistryViewFlagFor(bool processIs64Bit, bool isWow64) {
    return processIs64Bit || isWow64 ? reg::kKeyWow64_64Key : reg::kKeyWow64_32Key;
}

std::wstring RegistryDataToText(const AnsiCodePage& ansi, std::uint32_t type, std::span<const std::uint8_t> data) {
    switch (type) {
    case reg::kRegSz:
    case reg::kRegExpandSz:
    case reg::kRegMultiSz:
        // The last byte is taken for the terminating zero, whether it is one
        // or not; a value stored with no bytes at all is an empty text.
        if (data.empty()) return {};
        return BytesToText(ansi, data.first(data.size() - 1), {}, {}, true);
    case reg::kRegDword:
        return DecimalText(LittleEndian(data));
    case reg::kRegDwordBigEndian:
        return DecimalText(BigEndian(data));
    default:
        return BytesToText(ansi, data, {}, {}, true);
    }
}

bool RegistryAccess::IsWow64() const { return registry_.QueryIsWow64Process().value_or(false); }

std::uint32_t RegistryAccess::RegistryViewFlag() const {
    return RegistryViewFlagFor(registry_.ProcessIs64Bit(), IsWow64());
}

std::optional<std::wstring> RegistryAccess::ReadValueText(RegistryRoot root, const std::wstring& subkey,
                                                          const std::wstring& valueName,
                                                          std::optional<std::uint32_t> type) const {
    ScopedKey key(registry_);
    if (!key.Open(root, subkey, reg::kKeyQueryValue | RegistryViewFlag())) return std::nullopt;

    // Ask for the size first, then fetch exactly that much; a value that grew
    // in between fails the second query and reads as missing.
    std::uint32_t storedType = 0;
    std::uint32_t size = 0;
    registry_.QueryValue(key.get(), valueName, storedType, {}, size);
    std::vector<std::uint8_t> buffer(size, 0);
    const RegistryResult result = registry_.QueryValue(key.get(), valueName, storedType, buffer, size);
    key.Close();
    if (result != reg::kSuccess) return std::nullopt;

    const std::span<const std::uint8_t> data(buffer.data(), std::min<std::size_t>(size, buffer.size()));
    return RegistryDataToText(ansi_, type.value_or(storedType), data);
}

std::wstring RegistryAccess::RegReadText(RegistryRoot root, const std::wstring& subkey, const std::wstring& valueName,
                                         std::optional<std::uint32_t> type, const std::wstring& defaultText) const {
    return ReadValueText(root, subkey, valueName, type).value_or(defaultText);
}

bool RegistryAccess::RegWriteText(RegistryRoot root, const std::wstring& subkey, const std::wstring& valueName,
                                  const std::wstring& value) const {
    // Only a value that is there counts as equal: an empty text must still be
    // stored when nothing is.
    const std::optional<std::wstring> current = ReadValueText(root, subkey, valueName, reg::kRegSz);
    if (current == value) return true;

    // The first create, in the process's own view, makes the key and its
    // parents; it stays even when a later step fails.
    {
        ScopedKey key(registry_);
        if (!key.Create(root, subkey, reg::kKeyAllAccess)) return false;
    }
    ScopedKey key(registry_);
    if (!key.Create(root, subkey, reg::kKeyAllAccess | RegistryViewFlag())) return false;

    const std::string text = ansi_.Encode(value);
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return registry_.SetValue(key.get(), valueName, reg::kRegSz, data) == reg::kSuccess;
}

bool RegistryAccess::AutostartIsOn(const AutostartEntry& entry) const {
    return RegReadText(reg::kHkeyCurrentUser, kAutostartRunKey, entry.productName) == entry.executablePath;
}

bool RegistryAccess::SwitchAutostartOn(const AutostartEntry& entry) const {
    return RegWriteText(reg::kHkeyCurrentUser, kAutostartRunKey, entry.productName, entry.executablePath);
}

bool RegistryAccess::SwitchAutostartOff(const AutostartEntry& entry) const {
    ScopedKey key(registry_);
    if (!key.Open(reg::kHkeyCurrentUser, kAutostartRunKey, reg::kKeyWrite | RegistryViewFlag())) return false;
    return registry_.DeleteValue(key.get(), entry.productName) == reg::kSuccess;
}

} // namespace morvane
