#pragma once
// What the about dialog asks of the program around it. The dialog knows how
// to look and answer; whether it may be shown at all, whether the program is
// already accepted here and what "&Yes" starts belong to the start-up.
#include <cstdint>

namespace morvane {

// The program-wide AboutMode: which content the dialog shows. The entry sets
// it at start, the control menu before a later showing; the dialog reads it
// at every Load and Activate.
namespace about_mode {
inline constexpr std::int32_t kFirstRun = 1;
inline constexpr std::int32_t kHelp = 2;
inline constexpr std::int32_t kAbout = 3;
inline constexpr std::int32_t kHint = 4;
} // namespace about_mode

class AboutHost {
public:
    virtual ~AboutHost() = default;

    // First step of every Load, before the window exists: false when the
    // program must not go on (a second copy); Load then ends with the dialog
    // unloaded and nothing shown.
    virtual bool OnLoadChecks() = 0;

    // Last step of every Load, with the dialog laid out but not shown: the
    // location check. It may set the dialog's new-location mark, or run the
    // acceptance, which closes the dialog before it is ever seen.
    virtual void OnLoadLocationCheck() = 0;

    // "&Yes" (the button, or Enter while it is visible): the acceptance. It
    // ends by closing the dialog (AboutWindow::Close).
    virtual void OnYes() = 0;
};

} // namespace morvane
