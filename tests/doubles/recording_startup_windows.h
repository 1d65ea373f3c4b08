#pragma once
// The start-up's windows as a list of what was done to them, in order, with
// the state the menu and the dialog would keep. onCall runs after each call
// is recorded, so that a test can note what else had happened by then.
#include <functional>
#include <string>
#include <vector>

#include "startup/startup.h"
#include "startup/startup_windows.h"

namespace morvane {

class RecordingStartupWindows : public StartupWindows {
public:
    std::wstring NewLocationMark() const override { return newLocationMark; }
    void SetNewLocationMark(const std::wstring& mark) override {
        newLocationMark = mark;
        Record("SetNewLocationMark " + std::string(mark.begin(), mark.end()));
    }
    void LoadMenuHolder() override {
        menuLoaded = true;
        Record("LoadMenuHolder");
    }
    void SetStartChecked(bool checked) override {
        startChecked = checked;
        Record(checked ? "SetStartChecked 1" : "SetStartChecked 0");
    }
    void SetTransparentChecked(bool checked) override {
        transparentChecked = checked;
        Record(checked ? "SetTransparentChecked 1" : "SetTransparentChecked 0");
    }
    std::wstring LoadIndicatorAndGetTag() override {
        indicatorLoaded = true;
        Record("LoadIndicatorAndGetTag");
        return indicatorTag;
    }
    void GiveIndicatorTheDialogIcon() override { Record("GiveIndicatorTheDialogIcon"); }
    void ShowIndicator() override {
        indicatorShown = true;
        Record("ShowIndicator");
    }
    void CloseDialog() override {
        dialogLoaded = false;
        Record("CloseDialog");
    }

    // What the indicator window's Tag holds once it is loaded.
    std::wstring indicatorTag = L"C:\\Tools\\Morvane3.dat";

    std::wstring newLocationMark;
    bool menuLoaded = false;
    bool startChecked = false;
    bool transparentChecked = false;
    bool indicatorLoaded = false;
    bool indicatorShown = false;
    bool dialogLoaded = true;

    std::vector<std::string> calls;
    std::function<void(const std::string& call)> onCall;

private:
    void Record(std::string call) {
        calls.push_back(call);
        if (onCall) onCall(call);
    }
};

// What the dialog's Load leaves after Initialize and its two checks: this
// copy ended (a second copy), the acceptance run unseen, or the dialog
// waiting to be shown.
enum class AfterLoad { Ended, AcceptedUnseen, DialogShown };

inline AfterLoad StartTheProgram(Startup& startup, const RecordingStartupWindows& windows) {
    startup.Initialize();
    if (!startup.OnLoadChecks()) return AfterLoad::Ended;
    startup.OnLoadLocationCheck();
    return windows.dialogLoaded ? AfterLoad::DialogShown : AfterLoad::AcceptedUnseen;
}

} // namespace morvane
