#pragma once
// Plain, line-oriented output of the probe: UTF-8 on standard output, one
// record a line, fields "name=value" separated by tabs so that a script can
// pick a field with grep even when a title holds blanks.
#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <optional>
#include <string>
#include <string_view>

namespace morvane::probe {

inline std::string Utf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, result.data(), bytes, nullptr, nullptr);
    return result;
}

// Written straight to the handle: no text-mode translation of line ends.
inline void WriteOut(const std::string& bytes) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// Tabs and line breaks inside a value would split the record: they are
// written as \t, \r and \n.
inline std::wstring OneLine(std::wstring_view text) {
    std::wstring line;
    for (const wchar_t c : text) {
        if (c == L'\t') line += L"\\t";
        else if (c == L'\r') line += L"\\r";
        else if (c == L'\n') line += L"\\n";
        else line.push_back(c);
    }
    return line;
}

class Record {
public:
    explicit Record(std::wstring_view kind) : line_(kind) {}
    Record& Field(std::wstring_view name, std::wstring_view value) {
        line_.append(L"\t").append(name).append(L"=").append(OneLine(value));
        return *this;
    }
    Record& Field(std::wstring_view name, long long value) { return Field(name, std::to_wstring(value)); }
    Record& Flag(std::wstring_view name, bool value) { return Field(name, value ? L"1" : L"0"); }
    void Print() const { WriteOut(Utf8(line_) + "\n"); }

private:
    std::wstring line_;
};

inline void PrintLine(std::wstring_view text) { WriteOut(Utf8(text) + "\n"); }

inline std::wstring HexText(std::uintptr_t value) {
    wchar_t buffer[32];
    swprintf(buffer, 32, L"0x%llx", static_cast<unsigned long long>(value));
    return buffer;
}

inline std::wstring HandleText(const void* handle) { return HexText(reinterpret_cast<std::uintptr_t>(handle)); }

inline std::wstring RectText(const RECT& r) {
    return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," +
           std::to_wstring(r.bottom);
}

inline std::wstring SizeText(const RECT& r) {
    return std::to_wstring(r.right - r.left) + L"x" + std::to_wstring(r.bottom - r.top);
}

// A whole number in decimal or, with "0x", in hexadecimal; nothing for any other text.
inline std::optional<long long> ParseNumber(const std::wstring& text) {
    if (text.empty()) return std::nullopt;
    wchar_t* end = nullptr;
    const long long value = std::wcstoll(text.c_str(), &end, 0);
    if (end == nullptr || *end != L'\0') return std::nullopt;
    return value;
}

} // namespace morvane::probe
