#pragma once
// The scale window geometry is given in: the system's (the one the process
// started at) unless a window's own scale is in force. As the system switches
// a thread's DPI context while a window's messages run, each window's
// messages run with its scale in force, so a dialog on a monitor at another
// scale lays itself out at that monitor's scale.
namespace morvane::win32 {

// The screen's dots per inch across, as the process started: the system's scale.
int ScreenDpi();
// The dots per inch in force now; 0 for the system's.
int ScaleInForce();

// 15 at 96 dots per inch.
double TwipsPerPixelX();
double TwipsPerPixelY();

// Puts a scale in force until it goes, then the one before it again. 0, or
// the system's own dots per inch, is the system's scale.
class ScopedScale {
public:
    explicit ScopedScale(int dpi);
    ~ScopedScale();
    ScopedScale(const ScopedScale&) = delete;
    ScopedScale& operator=(const ScopedScale&) = delete;

private:
    int previous_;
};

} // namespace morvane::win32
