#pragma once
// Common dialogs that answer at once as the test scripts them, and record
// what each dialog was opened with.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/common_dialogs.h"

namespace morvane {

class FakeCommonDialogs : public CommonDialogs {
public:
    using CustomColourArray = std::array<std::int32_t, 16>;

    struct ColourOpening {
        WindowId owner;
        std::uint32_t colour;
        CustomColourArray customColours;
        std::wstring title;
    };
    struct FontOpening {
        WindowId owner;
        FontDescription font;
        std::uint32_t textColour;
        std::wstring title;
    };

    bool PickColour(WindowId owner, std::uint32_t& colour, CustomColourArray& customColours,
                    const std::wstring& title) override;
    FontDialogResult PickFont(WindowId owner, FontDescription& font, std::uint32_t& textColour,
                              const std::wstring& title) override;

    // The user's part in the colour dialog: edits to the custom colours
    // (made whether or not OK follows), the colour picked, OK or Cancel.
    std::function<void(CustomColourArray&)> editCustomColours;
    std::uint32_t pickedColour = 0;
    bool pressOk = true;

    // The font dialog's answer; on Confirmed the font and colour picked
    // (unset: the dialog's opening choice is kept).
    FontDialogResult fontAnswer = FontDialogResult::Confirmed;
    std::optional<FontDescription> pickedFont;
    std::optional<std::uint32_t> pickedTextColour;

    std::vector<ColourOpening> colourOpenings;
    std::vector<FontOpening> fontOpenings;
};

} // namespace morvane
