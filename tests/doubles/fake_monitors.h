#pragma once
// Monitors that a test lays out and rearranges; reads counts how often they were enumerated.
#include "platform/monitors.h"

namespace morvane {

class FakeMonitors : public Monitors {
public:
    std::vector<Monitor> monitors{{{0, 0, 1920, 1080}, kStandardDpi}};
    int systemDpi = kStandardDpi;
    mutable int reads = 0;

    std::vector<Monitor> All() const override { return ++reads, monitors; }
    int SystemDpi() const override { return systemDpi; }
};

} // namespace morvane
