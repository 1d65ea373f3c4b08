#pragma once
// A timer of a window: while it is enabled, its owner is loaded and its
// interval is above 0, OnTick runs on each WM_TIMER (the system delivers
// them no faster than about every 10 ms). The timer stops when its owner is
// unloaded and is disabled then. The owner must outlive the timer.
#include <windows.h>

#include <functional>

namespace morvane::win32 {

class Window;

class Timer {
public:
    Timer(Window& owner, unsigned intervalMs, std::function<void()> onTick = {});
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    // Restarts the count when the timer runs.
    void SetInterval(unsigned milliseconds);
    unsigned Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // What a tick does; empty does nothing.
    std::function<void()> OnTick;

private:
    friend class Window;

    UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }
    // Starts or stops the system timer to match the state.
    void Apply();
    void OwnerLoaded() { Apply(); }
    void OwnerUnloaded() { enabled_ = false; }
    void Tick();

    Window& owner_;
    unsigned interval_;
    bool enabled_ = false;
};

} // namespace morvane::win32
