#pragma once
// Menu captions handed to the system as wide characters, so that they do not
// depend on the ANSI code page.
#include <windows.h>

#include <string_view>

namespace morvane::win32 {

// Gives the item at this position of the menu the caption. With a negative
// codePage the caption is used as it is; with a positive one each of its
// characters is a byte of a text in that code page, which is decoded first.
// Does nothing when codePage is 0, the menu is 0, the item cannot be read, or
// it is a bitmap or a separator.
void SetMenuCaptionW(int codePage, HMENU menu, UINT position, std::wstring_view caption);

} // namespace morvane::win32
