#include "platform/win32/ansi_code_page_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace morvane::win32 {
namespace {

TEST(Win32AnsiCodePageTest, PlainTextRoundTrips) {
    const Win32AnsiCodePage ansi;
    EXPECT_EQ(ansi.Encode(L"Arial 12"), "Arial 12");
    EXPECT_EQ(ansi.Decode("Arial 12"), L"Arial 12");
    EXPECT_EQ(ansi.Encode(L""), "");
    EXPECT_EQ(ansi.Decode(""), L"");
}

TEST(Win32AnsiCodePageTest, UnmappedCharacterBecomesTheDefaultCharacter) {
    if (GetACP() == CP_UTF8) GTEST_SKIP() << "UTF-8 maps every character";
    CPINFO info{};
    ASSERT_TRUE(GetCPInfo(CP_ACP, &info));
    const std::string defaultChar(reinterpret_cast<const char*>(info.DefaultChar));
    EXPECT_EQ(Win32AnsiCodePage().Encode(L"A\uFFFFB"), "A" + defaultChar + "B");
}

} // namespace
} // namespace morvane::win32
