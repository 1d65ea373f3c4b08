// The position dialog with the real system: where it puts its controls, and
// its owner.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "indicator/win32/paint_cursor.h"
#include "platform/win32/screen_metrics.h"
#include "position/win32/position_owner.h"
#include "position/win32/position_window.h"

namespace morvane::win32 {
namespace {

// A control's rectangle in its parent's client area, as "left,top widthxheight".
std::string Place(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
           std::to_string(r.bottom - r.top);
}
std::string ClientOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return std::to_string(r.right) + "x" + std::to_string(r.bottom);
}

struct Owner : Window, PositionOwner {
    bool Load() {
        WindowDesign design;
        design.className = L"Morvane3DialogsTestOwner";
        design.style = WS_POPUP;
        return Create(design);
    }
    const Window& IndicatorWindow() const override { return *this; }
    Colour IndicatorForeColor() const override { return 0x0000FF; }
    Colour IndicatorBackColor() const override { return 0xFFFFFF; }
    const StdFont& IndicatorFont() const override { return font; }
    std::int32_t CursorWidth() const override { return 32; }
    std::int32_t CursorHeight() const override { return 32; }
    PositionOffsets Offsets() const override { return {}; }
    void SetOffsets(PositionOffsets) override {}
    void zPaintCursor(PictureBox& box) override {
        PaintIndicator(box.Surface(), box.hWnd(), {L"EN", 1, false, ScreenTwipsPerPixel()});
    }
    void zPosition_Return() override {}
    StdFont font;
};

TEST(Dialogs, PositionDialogControls) {
    ASSERT_EQ(TwipsPerPixelX(), 15) << "the figures are those of 96 dots per inch";
    Owner owner;
    ASSERT_TRUE(owner.Load());
    PositionWindow dialog(owner, L"M3 - Set Position");
    ASSERT_TRUE(dialog.Load());
    const auto at = [&](int id) { return GetDlgItem(dialog.hWnd(), id); };
    const HWND desktop = at(position_control::kDesktop), bar = at(position_control::kBar);
    EXPECT_EQ((std::vector<std::string>{ClientOf(dialog.hWnd()), Place(desktop), ClientOf(desktop),
                                        Place(GetDlgItem(desktop, position_control::kCursor)), Place(bar),
                                        Place(GetDlgItem(bar, position_control::kCancel)),
                                        Place(GetDlgItem(bar, position_control::kOk)),
                                        Place(GetDlgItem(bar, position_control::kDefault))}),
              (std::vector<std::string>{"417x415", "3,26 412x332", "408x328", "190,150 32x32", "0,357 417x58",
                                        "327,17 75x23", "243,17 75x23", "159,17 75x23"}));
    EXPECT_EQ(GetWindow(dialog.hWnd(), GW_OWNER), owner.hWnd());
    dialog.Unload();
}

} // namespace
} // namespace morvane::win32
