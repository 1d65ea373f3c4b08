#include "platform/win32/diagnostics.h"

#ifdef MORVANE_TRACE_FAILURES

namespace morvane::win32 {

void TraceFailure(const char* call, DWORD error, const char* file, int line) {
    wchar_t text[512];
    wsprintfW(text, L"Morvane3: %hs failed, error %lu, at %hs:%d\n", call, error, file, line);
    OutputDebugStringW(text);
}

} // namespace morvane::win32

#endif
