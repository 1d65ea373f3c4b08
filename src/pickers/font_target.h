#pragma once
// The window whose font and text colour the font picker edits.
#include <cstdint>

#include "platform/window_id.h"
#include "services/colour_text.h"
#include "services/font.h"

namespace morvane {

class FontTarget {
public:
    virtual ~FontTarget() = default;
    virtual WindowId hWnd() const = 0;  // owns the dialog
    virtual const StdFont& Font() const = 0;
    virtual void SetFont(const StdFont& font) = 0;
    virtual Colour ForeColor() const = 0;
    virtual void SetForeColor(Colour colour) = 0;
    // LOGPIXELSY of the window's device context.
    virtual std::int32_t PixelsPerInchY() const = 0;
};

} // namespace morvane
