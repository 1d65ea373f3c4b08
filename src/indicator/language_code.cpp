#include "indicator/language_code.h"

namespace morvane {

std::wstring LanguageCode(std::wstring_view iso639Name) {
    if (iso639Name.empty()) return std::wstring(kUnknownLanguageCode);
    std::wstring code(iso639Name);
    // The names are ASCII letters; nothing of the user's locale may change them.
    for (wchar_t& c : code) {
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return code;
}

} // namespace morvane
