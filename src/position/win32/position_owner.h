#pragma once
// What the position dialog reads from and hands back to the indicator window
// (fwMain) that opened it. The offset lives there: the dialog owns no copy.
#include <cstdint>

#include "position/position_layout.h"
#include "services/colour_text.h"
#include "services/font.h"

namespace morvane::win32 {

class PictureBox;
class Window;

class PositionOwner {
public:
    virtual ~PositionOwner() = default;

    // The indicator window itself: the dialog's owner and the giver of its icon.
    virtual const Window& IndicatorWindow() const = 0;

    // The look the sample copies: ForeColor, BackColor and Font.
    virtual Colour IndicatorForeColor() const = 0;
    virtual Colour IndicatorBackColor() const = 0;
    virtual const StdFont& IndicatorFont() const = 0;

    // CURSOR_Width and CURSOR_Height, pixels.
    virtual std::int32_t CursorWidth() const = 0;
    virtual std::int32_t CursorHeight() const = 0;

    // POSITION_Left and POSITION_TOP; set only by OK, left then top.
    virtual PositionOffsets Offsets() const = 0;
    virtual void SetOffsets(PositionOffsets offsets) = 0;

    // Paints the indicator on the box in the box's own colours and font, the
    // transparent outline included, and sizes the box to it.
    virtual void zPaintCursor(PictureBox& vObj) = 0;

    // The dialog has closed, confirmed or not: store the offsets, show and
    // repaint the indicator and resume tracking. Called once per opening.
    virtual void zPosition_Return() = 0;
};

} // namespace morvane::win32
