// The about dialog's rules: what each mode shows and says. (Its layout is seen end to end at every
// display scale.)
#include <gtest/gtest.h>

#include "about/about_content.h"
#include "doubles/fake_process_facts.h"

namespace morvane {
namespace {

// The journeys see each mode's title and buttons; the about text is built from the version record.
TEST(About, TheAboutTextCarriesTheVersion) {
    VersionRecord version = FakeProcessFacts{}.version;
    EXPECT_EQ(AboutText(AboutMode::About, version), L"Morvane Language Badge \u00AE\r\nVersion 3.23\r\n" +
                                                        std::wstring(60, L' ') + L"\r\nCopyright \u00A9 2026 Zantor Ltd");
    std::tie(version.Minor, version.Revision) = std::tuple(5, 7);
    EXPECT_NE(AboutText(AboutMode::About, version).find(L"\r\nVersion 3.05.0007\r\n"), std::wstring::npos);
}

} // namespace
} // namespace morvane
