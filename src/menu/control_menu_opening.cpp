#include "menu/control_menu_opening.h"

namespace morvane {

std::optional<MarkChanges> BeginMenuOpening(ControlMenuState& state, const RegistryAccess& registry,
                                            const AutostartEntry& autostart, int marginWidth) {
    if (state.IsOpen()) return std::nullopt;
    return state.BeginOpening({registry.AutostartIsOn(autostart), marginWidth});
}

} // namespace morvane
