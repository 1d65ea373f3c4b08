#pragma once
// The program's message loop.
#include <initializer_list>

#include "platform/win32/window.h"

namespace morvane::win32 {

// Dispatches the thread's messages until none of the windows is loaded any
// more; a modal window runs it with itself alone. A WM_QUIT ends the loop
// too and is posted again, so that an outer loop ends as well.
void RunMessageLoop(std::initializer_list<Window*> windows);

} // namespace morvane::win32
