#include "menu/menu_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menu/control_menu_items.h"

namespace morvane {
namespace {

class RecordingCommands : public MenuCommands {
public:
    std::vector<std::string> calls;
    void FontClick() override { calls.push_back("font"); }
    void BackColorClick() override { calls.push_back("backcolor"); }
    void TransparentClick() override { calls.push_back("transparent"); }
    void PositionClick() override { calls.push_back("position"); }
    void MarginClick(int index) override { calls.push_back("margin " + std::to_string(index)); }
    void StartClick() override { calls.push_back("start"); }
    void AboutClick() override { calls.push_back("about"); }
    void ExitClick() override { calls.push_back("exit"); }
};

std::vector<std::string> Dispatched(unsigned commandId) {
    RecordingCommands commands;
    DispatchMenuCommand(commandId, commands);
    return commands.calls;
}

using Calls = std::vector<std::string>;

TEST(DispatchMenuCommand, RunsTheCommandOfTheChosenItem) {
    EXPECT_EQ(Dispatched(DesignOf(PopupItem::Font).commandId), Calls{"font"});
    EXPECT_EQ(Dispatched(DesignOf(PopupItem::BackColor).commandId), Calls{"backcolor"});
    EXPECT_EQ(Dispatched(DesignOf(PopupItem::Transparent).commandId), Calls{"transparent"});
    EXPECT_EQ(Dispatched(DesignOf(PopupItem::Position).commandId), Calls{"position"});
    EXPECT_EQ(Dispatched(DesignOf(PopupItem::Start).commandId), Calls{"start"});
    EXPECT_EQ(Dispatched(DesignOf(PopupItem::About).commandId), Calls{"about"});
    EXPECT_EQ(Dispatched(DesignOf(PopupItem::Exit).commandId), Calls{"exit"});
}

TEST(DispatchMenuCommand, PassesTheIndexOfTheChosenMarginItem) {
    EXPECT_EQ(Dispatched(MarginCommandId(0)), Calls{"margin 0"});
    EXPECT_EQ(Dispatched(MarginCommandId(7)), Calls{"margin 7"});
}

TEST(DispatchMenuCommand, CloseItemAndForeignIdsRunNothing) {
    EXPECT_TRUE(Dispatched(DesignOf(PopupItem::Close).commandId).empty());
    EXPECT_TRUE(Dispatched(0).empty());
    EXPECT_TRUE(Dispatched(65535).empty());
}

} // namespace
} // namespace morvane
