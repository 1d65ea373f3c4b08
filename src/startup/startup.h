#pragma once
// The program's way in: Initialize picks the mode, the dialog's Load asks
// whether this copy may go on and where it runs from, and the acceptance
// prepares the menu, records the location and starts the indicator.
#include "about/about_host.h"
#include "platform/process_facts.h"
#include "services/registry_access.h"
#include "services/settings_store.h"
#include "startup/startup_windows.h"

namespace morvane {

class Startup : public AboutHost {
public:
    // Everything passed in must outlive this object.
    Startup(const ProcessFacts& process, const RegistryAccess& registry, const SettingsStore& store,
            StartupWindows& windows);

    // Once, at program start: the mode of the dialog's first showing, from
    // the command line.
    AboutMode Initialize() const;

    // False for a second copy that must end (help mode excepted).
    bool OnLoadChecks(AboutMode mode) override;
    // Sets the new-location mark, or runs the acceptance for a program
    // accepted here before, started in first-run mode.
    void OnLoadLocationCheck(AboutMode mode) override;
    // "&Yes": the acceptance.
    void OnYes() override;

private:
    void Accept();
    void SettleAutostart(bool newLocation);
    void WriteLocationEntries();

    const ProcessFacts& process_;
    const RegistryAccess& registry_;
    const SettingsStore& store_;
    StartupWindows& windows_;
};

} // namespace morvane
