// The idle reference program of benchmarks/run.sh: the same small topmost
// window with no timer at all; what a program that sleeps until it is
// spoken to costs, the floor of the cursor-still figures.
#include "reference_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return reference::RunReferenceWindow(instance, L"ReferenceIdle", nullptr, 0);
}
