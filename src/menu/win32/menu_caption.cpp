#include "menu/win32/menu_caption.h"

#include <string>

namespace morvane::win32 {

namespace {

std::wstring DecodeCaption(int codePage, std::wstring_view caption) {
    if (codePage < 0) return std::wstring(caption);
    std::string bytes;
    for (const wchar_t c : caption) bytes.push_back(static_cast<char>(c & 0xFF));
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const auto page = static_cast<UINT>(codePage);
    std::wstring text(static_cast<std::size_t>(MultiByteToWideChar(page, 0, bytes.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(page, 0, bytes.data(), size, text.data(), static_cast<int>(text.size()));
    return text;
}

} // namespace

void SetMenuCaptionW(int codePage, HMENU menu, UINT position, std::wstring_view caption) {
    if (codePage == 0 || menu == nullptr) return;

    char current[255] = {};
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_TYPE | MIIM_SUBMENU;
    item.dwTypeData = current;
    item.cch = sizeof current;
    if (!GetMenuItemInfoA(menu, position, TRUE, &item)) return;
    if ((item.fType & (MFT_BITMAP | MFT_SEPARATOR)) != 0) return;

    std::wstring text = DecodeCaption(codePage, caption);
    MENUITEMINFOW wide{};
    wide.cbSize = sizeof wide;
    wide.fMask = MIIM_TYPE | MIIM_SUBMENU;
    wide.fType = item.fType;
    wide.hSubMenu = item.hSubMenu;
    wide.dwTypeData = text.data();
    wide.cch = static_cast<UINT>(text.size());
    SetMenuItemInfoW(menu, position, TRUE, &wide);
}

} // namespace morvane::win32
