#pragma once
// The refresh that runs each time the control menu is about to be shown.
#include <optional>

#include "menu/control_menu_state.h"
#include "services/registry_access.h"

namespace morvane {

// Starts an opening of the menu: mPopupStart follows the autostart entry in
// the registry (checked exactly when it names this executable, letter case
// counting) and the item of marginWidth is checked. Nothing, and nothing read,
// while the menu is already open.
std::optional<MarkChanges> BeginMenuOpening(ControlMenuState& state, const RegistryAccess& registry,
                                            const AutostartEntry& autostart, int marginWidth);

} // namespace morvane
