// The program's entry: one program object, run until no window of it is left.
#include <windows.h>

#include "platform/win32/lazy_library.h"
#include "startup/win32/program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything can load a library.
    morvane::win32::RestrictLibrarySearchToSystem();
    morvane::win32::Program program;
    return program.Run();
}
