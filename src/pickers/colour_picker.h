#pragma once
// The colour picker: the system colour dialog, opened fully on a colour, with
// the sixteen custom colours kept in the settings file.
#include <string>

#include "platform/common_dialogs.h"
#include "platform/window_id.h"
#include "services/colour_text.h"
#include "services/settings_store.h"

namespace morvane {

// The colour chosen, or initialColour when the user cancels. The custom
// colours start from "ShowColor"/"Custom" of settingsFile and are stored
// back only after OK. With an empty settingsFile they start black and are
// neither read nor stored.
Colour ShowColorDialog(CommonDialogs& dialogs, const SettingsStore& store, WindowId owner, Colour initialColour,
                       const std::wstring& title, const std::wstring& settingsFile);

} // namespace morvane
