// The bare reference program of benchmarks/run.sh: one small topmost window
// and a 1 ms timer that does nothing; what any program of this shape costs
// on the same system, the baseline the indicator is measured against.
#include "reference_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return reference::RunReferenceWindow(instance, L"ReferenceBare", nullptr);
}
