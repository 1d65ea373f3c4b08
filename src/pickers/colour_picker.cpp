#include "pickers/colour_picker.h"

namespace morvane {

Colour ShowColorDialog(CommonDialogs& dialogs, const SettingsStore& store, WindowId owner, Colour initialColour,
                       const std::wstring& title, const std::wstring& settingsFile) {
    // Without a settings file the custom colours live only as long as the
    // dialog: an empty name is never handed to the profile functions, which
    // would look for it in the system's folder.
    const bool keepCustomColours = !settingsFile.empty();
    CustomColours customColours{};
    if (keepCustomColours) customColours = ReadCustomColours(store, settingsFile);
    Colour colour = initialColour;
    if (!dialogs.PickColour(owner, colour, customColours, title)) return initialColour;
    if (keepCustomColours) WriteCustomColours(store, settingsFile, customColours);
    return colour;
}

} // namespace morvane
