#pragma once
// A failed system call that matters leaves a trace in the builds made for
// debugging (Debug, and RelWithDebInfo: the preset win64-debuginfo): the
// call, its error code and the place, through OutputDebugStringW, which a
// debugger or DebugView shows. In a release build the trace compiles to
// nothing, arguments included. Either way the program goes on as it would
// have: the user sees nothing.
//
//     if (!SetTimer(...)) MORVANE_TRACE_FAILURE("SetTimer", GetLastError());
#include <windows.h>

#ifdef MORVANE_TRACE_FAILURES

namespace morvane::win32 {
void TraceFailure(const char* call, DWORD error, const char* file, int line);
} // namespace morvane::win32

#define MORVANE_TRACE_FAILURE(call, error) ::morvane::win32::TraceFailure((call), (error), __FILE__, __LINE__)

#else

#define MORVANE_TRACE_FAILURE(call, error) static_cast<void>(0)

#endif
