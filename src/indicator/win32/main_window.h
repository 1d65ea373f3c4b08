#pragma once
// fwMain, the indicator window: a small borderless, topmost tool window that
// never takes the focus. It holds the indicator's settings and state, the
// polling timer toLang, and the settings file path in its Tag.
#include <cstdint>
#include <string>

#include "indicator/indicator_settings.h"
#include "platform/input_cursor.h"
#include "platform/process_facts.h"
#include "platform/win32/timer.h"
#include "platform/win32/window.h"
#include "services/settings_store.h"

namespace morvane::win32 {

inline constexpr wchar_t kIndicatorClassName[] = L"Morvane3Indicator";

class MainWindow : public Window {
public:
    MainWindow(const SettingsStore& store, const ProcessFacts& process, const InputCursor& input);

    // Creates the window, hidden, and reads every setting; toLang is enabled
    // last. Nothing when the window is loaded already.
    void Load();

    // The position dialog has closed and left its result in POSITION_Left and
    // POSITION_TOP: store them, show the indicator and resume tracking.
    void zPosition_Return();

    Colour BackColor = 0x00FFFFFF;
    Colour ForeColor = 0x00000000;
    StdFont Font = IndicatorDesignFont();
    std::int32_t POSITION_Left = 0;
    std::int32_t POSITION_TOP = 0;
    std::int32_t MARGIN_Width = 0;
    std::int16_t CURSOR_Width = 0;
    std::int16_t CURSOR_Height = 0;

    // 1 ms, so it ticks as often as the system allows; off until Load ends.
    Timer toLang{*this, 1};

protected:
    // Shown without being activated: the window under the cursor keeps the focus.
    int ShowCommand() const override { return SW_SHOWNOACTIVATE; }

private:
    const SettingsStore& store_;
    const ProcessFacts& process_;
    const InputCursor& input_;

    std::wstring sLangCode;      // the code shown, upper case
    KeyboardLayout nLayout = 0;  // the layout handle last seen
};

} // namespace morvane::win32
