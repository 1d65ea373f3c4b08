#include "platform/win32/shell_win32.h"

#include <gtest/gtest.h>

namespace morvane::win32 {
namespace {

TEST(Shell, AMissingDocumentIsReportedAsNotOpened) {
    Win32Shell shell;
    EXPECT_FALSE(shell.Open(L"C:\\no such folder\\no such document.morvane", L"0", show_command::kHide));
}

} // namespace
} // namespace morvane::win32
