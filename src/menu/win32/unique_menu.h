#pragma once
// Owner of a menu that no window holds yet; a menu given to a window with
// SetMenu, or to another menu as a submenu, is destroyed with its holder.
#include <windows.h>

#include "platform/win32/handles.h"

namespace morvane::win32 {

struct MenuTraits {
    using Handle = HMENU;
    static void Close(HMENU h) { DestroyMenu(h); }
};
using UniqueMenu = UniqueHandle<MenuTraits>;

} // namespace morvane::win32
