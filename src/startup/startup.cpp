#include "startup/startup.h"

#include "services/autostart_entry.h"
#include "services/settings_keys.h"
#include "services/utilities.h"
#include "startup/startup_rules.h"

namespace morvane {

Startup::Startup(const ProcessFacts& process, const RegistryAccess& registry, const SettingsStore& store,
                 StartupWindows& windows)
    : process_(process), registry_(registry), store_(store), windows_(windows) {}

AboutMode Startup::Initialize() const {
    return AboutModeForCommandLine(process_.CommandLineText());
}

bool Startup::OnLoadChecks(AboutMode mode) {
    return !SecondCopyEnds(mode, process_.AnotherInstanceRunning());
}

void Startup::OnLoadLocationCheck(AboutMode mode) {
    const std::wstring stored =
        registry_.RegReadText(reg::kHkeyCurrentUser, LocationKeyOf(process_.Version()), L"");
    switch (LocationCheckOutcome(stored, process_.ExecutableDirectory(), mode)) {
    case LocationOutcome::NewLocation: windows_.SetNewLocationMark(kNewLocationMark); break;
    case LocationOutcome::Accept: Accept(); break;
    case LocationOutcome::Nothing: break;
    }
}

void Startup::OnYes() {
    Accept();
}

void Startup::Accept() {
    windows_.LoadMenuHolder();
    SettleAutostart(!windows_.NewLocationMark().empty());
    WriteLocationEntries();

    const std::wstring settingsPath = windows_.LoadIndicatorAndGetTag();
    windows_.SetTransparentChecked(store_.IniReadNumber(settingsPath, settings_key::kMain, settings_key::kTransparent, 0) == 1);

    windows_.GiveIndicatorTheDialogIcon();
    windows_.ShowIndicator();
    windows_.CloseDialog();
}

void Startup::SettleAutostart(bool newLocation) {
    const AutostartEntry autostart = AutostartEntryOf(process_);
    if (newLocation) {
        // What "Start with &Windows" does from unchecked: the mark follows
        // only a switch that succeeded.
        windows_.SetStartChecked(false);
        if (registry_.SwitchAutostartOn(autostart)) windows_.SetStartChecked(true);
    } else {
        // A user who switched autostart off keeps it off.
        windows_.SetStartChecked(registry_.AutostartIsOn(autostart));
    }
}

void Startup::WriteLocationEntries() {
    // A failed write does not stop the indicator; a location that could not
    // be stored only brings the first-run dialog back next time.
    const VersionRecord version = process_.Version();
    const std::wstring directory = process_.ExecutableDirectory();
    const std::wstring locationKey = LocationKeyOf(version);
    registry_.RegWriteText(reg::kHkeyCurrentUser, locationKey, L"", directory);
    registry_.RegWriteText(reg::kHkeyCurrentUser, locationKey, L"CurrentVersion",
                           VersionText(version.Major, version.Minor, version.Revision));

    const std::wstring appPathsKey = AppPathsKeyOf(process_.ExecutableBaseName());
    registry_.RegWriteText(reg::kHkeyCurrentUser, appPathsKey, L"", ProgramExecutablePath(process_));
    registry_.RegWriteText(reg::kHkeyCurrentUser, appPathsKey, L"Path", directory);
}

} // namespace morvane
