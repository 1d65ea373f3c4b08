#include "platform/process_text.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(TextAfterProgramName, QuotedProgramNameEndsAtItsClosingQuote) {
    EXPECT_EQ(TextAfterProgramName(LR"("C:\Program Files\Morvane3.exe" /help)"), L"/help");
    EXPECT_EQ(TextAfterProgramName(LR"("C:\Tools\Morvane3.exe"/?)"), L"/?") << "no blank after the quote";
    EXPECT_EQ(TextAfterProgramName(LR"("C:\Tools\Morvane3.exe")"), L"");
}

TEST(TextAfterProgramName, UnquotedProgramNameEndsAtTheFirstBlank) {
    EXPECT_EQ(TextAfterProgramName(LR"(C:\Tools\Morvane3.exe /?)"), L"/?");
    EXPECT_EQ(TextAfterProgramName(L"Morvane3\t/help"), L"/help");
    EXPECT_EQ(TextAfterProgramName(L"Morvane3"), L"");
    EXPECT_EQ(TextAfterProgramName(L""), L"");
}

TEST(TextAfterProgramName, BlanksAfterTheNameGoButTheRestStaysAsWritten) {
    EXPECT_EQ(TextAfterProgramName(L"Morvane3   \t /help "), L"/help ") << "a trailing blank is part of the text";
    EXPECT_EQ(TextAfterProgramName(L"Morvane3 /HELP  extra"), L"/HELP  extra");
}

TEST(TextAfterProgramName, UnclosedQuoteTakesTheWholeLineAsTheName) {
    EXPECT_EQ(TextAfterProgramName(LR"("C:\Tools\Morvane3.exe /help)"), L"");
}

TEST(SplitExecutablePath, GivesDirectoryWithoutClosingSeparatorAndNameWithoutExtension) {
    const ExecutableLocation location = SplitExecutablePath(LR"(C:\Program Files\Zantor\Morvane3.exe)");
    EXPECT_EQ(location.directory, LR"(C:\Program Files\Zantor)");
    EXPECT_EQ(location.baseName, L"Morvane3");
}

TEST(SplitExecutablePath, OnlyTheLastDotStartsTheExtension) {
    EXPECT_EQ(SplitExecutablePath(LR"(D:\my.tools\Badge.copy.EXE)").baseName, L"Badge.copy");
    EXPECT_EQ(SplitExecutablePath(LR"(D:\my.tools\Badge)").baseName, L"Badge") << "a dot in the directory is not one";
}

TEST(SplitExecutablePath, ExecutableInARootDirectory) {
    const ExecutableLocation location = SplitExecutablePath(LR"(E:\Morvane3.exe)");
    EXPECT_EQ(location.directory, L"E:") << "so that directory + \"\\\" + name is a sound path";
    EXPECT_EQ(location.baseName, L"Morvane3");
}

} // namespace
} // namespace morvane
