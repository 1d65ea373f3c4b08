#include "indicator/language_code.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(LanguageCode, IsTheIso639NameInUpperCase) {
    EXPECT_EQ(LanguageCode(L"de"), L"DE");
    EXPECT_EQ(LanguageCode(L"fil"), L"FIL") << "a three-letter name keeps all three letters";
}

TEST(LanguageCode, ALanguageWithoutANameShowsAPlaceholder) {
    EXPECT_EQ(LanguageCode(L""), L"??");
}

} // namespace
} // namespace morvane
