#include "platform/win32/timer.h"

#include <algorithm>

#include "platform/win32/diagnostics.h"
#include "platform/win32/window.h"

namespace morvane::win32 {

Timer::Timer(Window& owner, unsigned intervalMs, std::function<void()> onTick)
    : OnTick(std::move(onTick)), owner_(owner), interval_(intervalMs) {
    owner_.timers_.push_back(this);
}

Timer::~Timer() {
    if (owner_.hWnd()) KillTimer(owner_.hWnd(), Id());
    std::erase(owner_.timers_, this);
}

void Timer::SetInterval(unsigned milliseconds) {
    interval_ = milliseconds;
    Apply();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Apply();
}

void Timer::Apply() {
    if (!owner_.hWnd()) return;
    if (enabled_ && interval_ > 0) {
        if (SetTimer(owner_.hWnd(), Id(), interval_, nullptr) == 0) MORVANE_TRACE_FAILURE("SetTimer", GetLastError());
    } else {
        KillTimer(owner_.hWnd(), Id());
    }
}

void Timer::Tick() {
    if (enabled_ && OnTick) OnTick();
}

} // namespace morvane::win32
