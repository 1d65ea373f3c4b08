#include "doubles/fake_profile_files.h"

#include <algorithm>
#include <cwctype>

namespace morvane {

namespace {

std::wstring TrimBlanks(const std::wstring& text, bool leading) {
    const std::size_t last = text.find_last_not_of(L" \t");
    if (last == std::wstring::npos) return {};
    const std::size_t first = leading ? text.find_first_not_of(L" \t") : 0;
    return text.substr(first, last + 1 - first);
}

} // namespace

bool FakeProfileFiles::NoCaseLess::operator()(const std::wstring& a, const std::wstring& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
        return std::towlower(static_cast<std::wint_t>(x)) < std::towlower(static_cast<std::wint_t>(y));
    });
}

std::wstring FakeProfileFiles::ReadString(const std::wstring& file, const std::wstring& section,
                                          const std::wstring& key, const std::wstring* defaultText,
                                          std::size_t capacity) {
    ++reads;
    const std::optional<std::wstring> stored = StoredValue(file, section, key);
    // Windows strips only the trailing blanks of a default text.
    std::wstring text = stored ? TrimBlanks(*stored, true) : defaultText ? TrimBlanks(*defaultText, false) : L"";
    if (capacity == 0) return {};
    if (text.size() > capacity - 1) text.resize(capacity - 1);
    return text;
}

bool FakeProfileFiles::WriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                                   const std::wstring& value) {
    ++writes;
    if (refuseWrites_ || directories_.contains(file)) return false;
    const auto existing = files_.find(file);
    if (existing != files_.end() && (existing->second.attributes & file_attr::kReadOnly) != 0) return false;
    File& target = files_[file];
    target.sections[section][key] = value;
    target.attributes |= file_attr::kArchive;
    return true;
}

std::optional<std::uint32_t> FakeProfileFiles::GetAttributes(const std::wstring& path) {
    ++attributeQueries;
    if (directories_.contains(path)) return file_attr::kDirectory;
    return StoredAttributes(path);
}

bool FakeProfileFiles::SetAttributes(const std::wstring& path, std::uint32_t attributes) {
    ++attributeChanges;
    const auto existing = files_.find(path);
    if (existing == files_.end()) return false;
    existing->second.attributes = attributes;
    return true;
}

void FakeProfileFiles::PutValue(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                                const std::wstring& rawValue) {
    files_[file].sections[section][key] = rawValue;
}

std::optional<std::wstring> FakeProfileFiles::StoredValue(const std::wstring& file, const std::wstring& section,
                                                          const std::wstring& key) const {
    const auto foundFile = files_.find(file);
    if (foundFile == files_.end()) return std::nullopt;
    const auto foundSection = foundFile->second.sections.find(section);
    if (foundSection == foundFile->second.sections.end()) return std::nullopt;
    const auto foundKey = foundSection->second.find(key);
    if (foundKey == foundSection->second.end()) return std::nullopt;
    return foundKey->second;
}

void FakeProfileFiles::PutAttributes(const std::wstring& file, std::uint32_t attributes) {
    files_[file].attributes = attributes;
}

std::optional<std::uint32_t> FakeProfileFiles::StoredAttributes(const std::wstring& file) const {
    const auto found = files_.find(file);
    if (found == files_.end()) return std::nullopt;
    return found->second.attributes;
}

void FakeProfileFiles::AddDirectory(const std::wstring& path) {
    directories_.insert(path);
}

} // namespace morvane
