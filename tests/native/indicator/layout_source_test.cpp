#include "indicator/layout_source.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

constexpr WindowId kIndicator = 0x10, kNotepad = 0x20, kNotepadEdit = 0x21, kChat = 0x30, kChatRender = 0x31,
                   kChatInput = 0x32, kFrame = 0x40, kFrameCaption = 0x41, kCore = 0x42, kCoreEdit = 0x43,
                   kConsole = 0x50, kConsoleIme = 0x51, kTerminal = 0x60, kTerminalInput = 0x61;

TEST(LayoutSourceWindow, ReadsTheThreadTheTypingGoesTo) {
    struct Row {
        const char* name;
        LayoutFacts facts;
        std::optional<WindowId> expected;
    } rows[] = {
        {"classic program in front", {kIndicator, kNotepadEdit, kNotepad, kNotepad, kNotepadEdit, 0}, kNotepadEdit},
        {"classic program behind", {kIndicator, kNotepadEdit, kNotepad, kChat, kChatInput, 0}, kNotepadEdit},
        {"WebView2-like program in front, focus on another thread",
         {kIndicator, kChatRender, kChat, kChat, kChatInput, 0}, kChatInput},
        {"program in front whose focus is unknown", {kIndicator, kChatRender, kChat, kChat, 0, 0}, kChatRender},
        {"app frame in front", {kIndicator, kFrameCaption, kFrame, kFrame, kCoreEdit, kCore, 1, 2}, kCoreEdit},
        {"app frame in front, focus on the frame itself", {kIndicator, kFrameCaption, kFrame, kFrame, kFrame, kCore, 1, 1},
         kCore},
        {"app frame in front, focus on the frame host's thread",
         {kIndicator, kFrameCaption, kFrame, kFrame, kFrameCaption, kCore, 1, 1}, kCore},
        {"console in front", {kIndicator, kConsole, kConsole, kConsole, kConsole, kConsoleIme, 7, 7}, kConsoleIme},
        {"console behind", {kIndicator, kConsole, kConsole, kNotepad, kNotepadEdit, kConsoleIme}, kConsoleIme},
        {"Windows Terminal in front", {kIndicator, kTerminal, kTerminal, kTerminal, kTerminalInput, 0}, kTerminalInput},
        {"app frame behind", {kIndicator, kFrameCaption, kFrame, kNotepad, kNotepadEdit, kCore}, kCore},
        {"app frame without a core window", {kIndicator, kFrameCaption, kFrame, kNotepad, 0, 0}, kFrameCaption},
        {"no foreground window", {kIndicator, kNotepadEdit, kNotepad, 0, 0, 0}, kNotepadEdit},
        {"no window under the cursor", {kIndicator, 0, 0, kNotepad, 0, 0}, kNoWindow},
        {"the indicator under the cursor", {kIndicator, kIndicator, kIndicator, kNotepad, kNotepadEdit, 0},
         std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(LayoutSourceWindow(row.facts), row.expected) << row.name;
}

} // namespace
} // namespace morvane
