#pragma once
// The font picker: the system font dialog, opened on the target's font and
// text colour, which receive the choice when the user confirms.
#include <string>

#include "pickers/font_target.h"
#include "platform/ansi_code_page.h"
#include "platform/common_dialogs.h"

namespace morvane {

// Confirmed: the target's font has been replaced by a new font object of
// whole points and its text colour set. Cancelled or NoMemory: nothing
// changed.
FontDialogResult ShowFontDialog(CommonDialogs& dialogs, const AnsiCodePage& ansi, FontTarget& target,
                                const std::wstring& title);

} // namespace morvane
