#include "services/display_settings.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

// Whether any option may hide the indicator: only a show mode other than Always, or Hide Over Full Screen.
TEST(DisplaySettingsTest, OnlyAShowModeOtherThanAlwaysOrHideOverFullScreenMayHide) {
    const struct { DisplayOptions options; bool mayHide; } rows[] = {
        {{}, false}, {{.keepInside = true, .country = true, .capsMark = true, .noCapture = true}, false},
        {{.fullScreen = true}, true}, {{.show = ShowMode::OverText}, true}, {{.show = ShowMode::AfterChange}, true}};
    for (std::size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(rows[i].options.MayHide(), rows[i].mayHide) << "row " << i;
}

} // namespace
} // namespace morvane
