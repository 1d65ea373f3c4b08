#include "indicator/layout_source.h"

#include <gtest/gtest.h>

#include "doubles/fake_input_cursor.h"
#include "indicator/indicator_tracking.h"

namespace morvane {
namespace {

constexpr WindowId kIndicator = 0x10, kNotepad = 0x20, kNotepadEdit = 0x21, kChat = 0x30, kChatRender = 0x31,
                   kChatInput = 0x32, kFrame = 0x40, kFrameCaption = 0x41, kCore = 0x42, kCoreEdit = 0x43;

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
        {"app frame in front", {kIndicator, kFrameCaption, kFrame, kFrame, kCoreEdit, kCore}, kCoreEdit},
        {"app frame in front, focus on the frame itself", {kIndicator, kFrameCaption, kFrame, kFrame, kFrame, kCore},
         kCore},
        {"app frame behind", {kIndicator, kFrameCaption, kFrame, kNotepad, kNotepadEdit, kCore}, kCore},
        {"app frame without a core window", {kIndicator, kFrameCaption, kFrame, kNotepad, 0, 0}, kFrameCaption},
        {"no foreground window", {kIndicator, kNotepadEdit, kNotepad, 0, 0, 0}, kNotepadEdit},
        {"no window under the cursor", {kIndicator, 0, 0, kNotepad, 0, 0}, kNoWindow},
        {"the indicator under the cursor", {kIndicator, kIndicator, kIndicator, kNotepad, kNotepadEdit, 0},
         std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(LayoutSourceWindow(row.facts), row.expected) << row.name;
}

// The tick gathers the facts through the platform and reads the chosen thread.
TEST(LayoutSourceWindow, TheTickShowsTheFocusThreadsLanguage) {
    class StillIndicator : public TrackedIndicator {
        bool IsShown() const override { return true; }
        WindowId Id() const override { return kIndicator; }
        IndicatorGeometry Geometry() const override { return {{15, 15}, 360, 210}; }
        void Repaint() override {}
        void PlaceOnTop(ScreenPoint) override {}
    } indicator;
    FakeInputCursor input;
    input.windowsAt = {{{10, 10}, kChatRender}, {{50, 50}, kFrameCaption}};
    input.roots = {{kChatRender, kChat}, {kFrameCaption, kFrame}};
    input.coreWindows = {{kFrame, kCore}};
    input.layouts = {{kChatRender, 0x04090409}, {kChatInput, 0x04070407}, {kCore, 0x04190419}};
    input.foreground = kChat;
    input.focus = kChatInput;
    LanguageShown shown;
    MoveIndicator({10, 10}, {}, {32, 32}, shown, input, indicator);
    EXPECT_EQ(shown.sLangCode, L"DE");
    MoveIndicator({50, 50}, {}, {32, 32}, shown, input, indicator);
    EXPECT_EQ(shown.sLangCode, L"RU");
}

} // namespace
} // namespace morvane
