#include "doubles/fake_common_dialogs.h"

namespace morvane {

bool FakeCommonDialogs::PickColour(WindowId owner, std::uint32_t& colour, CustomColourArray& customColours,
                                   const std::wstring& title) {
    colourOpenings.push_back({owner, colour, customColours, title});
    if (editCustomColours) editCustomColours(customColours);
    if (pressOk) colour = pickedColour;
    return pressOk;
}

FontDialogResult FakeCommonDialogs::PickFont(WindowId owner, FontDescription& font, std::uint32_t& textColour,
                                             const std::wstring& title) {
    fontOpenings.push_back({owner, font, textColour, title});
    if (fontAnswer == FontDialogResult::Confirmed) {
        if (pickedFont) font = *pickedFont;
        if (pickedTextColour) textColour = *pickedTextColour;
    }
    return fontAnswer;
}

} // namespace morvane
