// The program's entry: one program object, run until no window of it is left.
#include <windows.h>

#include "startup/win32/program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    morvane::win32::Program program;
    return program.Run();
}
