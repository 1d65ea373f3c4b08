#pragma once
// What the about dialog asks of the program around it. The dialog knows how
// to look and answer; whether it may be shown at all, whether the program is
// already accepted here and what "&Yes" starts belong to the start-up.
namespace morvane {

// Which content the dialog shows: the start-up picks the mode of the first
// showing, the control menu that of each later one.
enum class AboutMode { FirstRun = 1, Help = 2, About = 3, Hint = 4 };

class AboutHost {
public:
    virtual ~AboutHost() = default;

    // First step of every Load, before the window exists: false when the
    // program must not go on (a second copy); Load then ends with the dialog
    // unloaded and nothing shown.
    virtual bool OnLoadChecks(AboutMode mode) = 0;

    // Last step of every Load, with the dialog laid out but not shown: the
    // location check. It may set the dialog's new-location mark, or run the
    // acceptance, which closes the dialog before it is ever seen.
    virtual void OnLoadLocationCheck(AboutMode mode) = 0;

    // "&Yes" (the button, or Enter while it is visible): the acceptance. It
    // ends by closing the dialog (AboutWindow::Close).
    virtual void OnYes() = 0;
};

} // namespace morvane
