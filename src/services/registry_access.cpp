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

bool IsStringType(std::uint32_t type) {
    return type == reg::kRegSz || type == reg::kRegExpandSz || type == reg::kRegMultiSz;
}

// Little-endian UTF-16 code units; an odd last byte is no character.
std::wstring Utf16Text(std::span<const std::uint8_t> data) {
    std::wstring text(data.size() / 2, L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<wchar_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    return text;
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

std::wstring RegistryDataToText(const AnsiCodePage& ansi, std::uint32_t storedType, std::uint32_t convertAs,
                                std::span<const std::uint8_t> data) {
    if (convertAs == reg::kRegDword) return DecimalText(LittleEndian(data));
    if (convertAs == reg::kRegDwordBigEndian) return DecimalText(BigEndian(data));
    std::wstring text = IsStringType(storedType) ? Utf16Text(data) : BytesToText(ansi, data, {}, {}, true);
    // The last character is taken for the terminating zero, whether it is
    // one or not; a value stored with no bytes at all is an empty text.
    if (IsStringType(convertAs) && !text.empty()) text.pop_back();
    return text;
}

std::vector<std::uint8_t> RegistryStringData(const std::wstring& text) {
    std::vector<std::uint8_t> data;
    data.reserve(2 * (text.size() + 1));
    for (const wchar_t unit : text) {
        data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        data.push_back(static_cast<std::uint8_t>((unit >> 8) & 0xFF));
    }
    data.insert(data.end(), {0, 0});
    return data;
}

bool RegistryAccess::IsWow64() const { return registry_.QueryIsWow64Process().value_or(false); }

std::uint32_t RegistryAccess::RegistryViewFlag() const {
    return RegistryViewFlagFor(registry_.ProcessIs64Bit(), IsWow64());
}

std::optional<RegistryAccess::StoredText> RegistryAccess::ReadValueText(RegistryRoot root, const std::wstring& subkey,
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
    return StoredText{storedType, RegistryDataToText(ansi_, storedType, type.value_or(storedType), data)};
}

std::wstring RegistryAccess::RegReadText(RegistryRoot root, const std::wstring& subkey, const std::wstring& valueName,
                                         std::optional<std::uint32_t> type, const std::wstring& defaultText) const {
    const std::optional<StoredText> stored = ReadValueText(root, subkey, valueName, type);
    return stored ? stored->text : defaultText;
}

bool RegistryAccess::RegWriteText(RegistryRoot root, const std::wstring& subkey, const std::wstring& valueName,
                                  const std::wstring& value) const {
    // Only a string value that is there counts as equal: an empty text must
    // still be stored when nothing is, and other data that merely reads as
    // the same text (binary bytes of the path) is not what readers find.
    const std::optional<StoredText> current = ReadValueText(root, subkey, valueName, reg::kRegSz);
    if (current && IsStringType(current->type) && current->text == value) return true;

    // The first create, in the process's own view, makes the key and its
    // parents; it stays even when a later step fails.
    {
        ScopedKey key(registry_);
        if (!key.Create(root, subkey, reg::kKeyAllAccess)) return false;
    }
    ScopedKey key(registry_);
    if (!key.Create(root, subkey, reg::kKeyAllAccess | RegistryViewFlag())) return false;

    return registry_.SetValue(key.get(), valueName, reg::kRegSz, RegistryStringData(value)) == reg::kSuccess;
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
