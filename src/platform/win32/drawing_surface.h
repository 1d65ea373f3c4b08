#pragma once
// A persistent drawing surface: what is drawn on it stays in its image (a
// memory device context holding a bitmap like the screen's) and its owner
// paints that image back on WM_PAINT. Positions and text sizes are in twips,
// converted at the scale in force (screen_metrics.h) or the surface's own.
// The surface knows no window.
#include <windows.h>

#include <string_view>

#include "platform/colour.h"
#include "platform/std_font.h"
#include "platform/twips.h"
#include "platform/win32/handles.h"

namespace morvane::win32 {

class DrawingSurface {
public:
    DrawingSurface();
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;
    ~DrawingSurface();

    // A new image of this many pixels; nothing drawn before is kept, and
    // what it shows is undefined until Clear. Negative sizes count as 0.
    void Resize(int widthPixels, int heightPixels);
    int WidthPixels() const { return width_; }
    int HeightPixels() const { return height_; }

    // Colours 0x00BBGGRR, or a system colour (top bit set, index in the low
    // byte), which is looked up each time it is used.
    Colour BackColor() const { return backColor_; }
    void SetBackColor(Colour colour) { backColor_ = colour; }
    Colour ForeColor() const { return foreColor_; }
    void SetForeColor(Colour colour) { foreColor_ = colour; }

    // A scale of its own, whatever is in force: that of the monitor it is
    // shown on. Positions, text sizes and the font are given at dpi from now
    // on; the font is made anew.
    void SetDpi(int dpi);
    TwipsPerPixel Twips() const;

    // Until a font is set the surface draws in the system's default font. The
    // font is made at the surface's scale, or the one in force when it is set.
    const StdFont& Font() const { return font_; }
    // A font the system cannot make leaves the current one in place.
    void SetFont(const StdFont& font);

    // Fills the whole image with the background colour.
    void Clear();

    // The text cursor, twips from the top-left corner; may be negative.
    double CurrentX = 0;
    double CurrentY = 0;

    // Draws text at the text cursor in the fore colour and font, line under
    // line; the background between the strokes is left as it was. The text
    // cursor does not move.
    void Print(std::wstring_view text);
    // Twips: the widest line, and the height of all lines (a final line
    // break adds an empty line).
    double TextWidth(std::wstring_view text) const;
    double TextHeight(std::wstring_view text) const;
    // The same in whole pixels, as the text is drawn.
    int TextWidthPixels(std::wstring_view text) const;
    int TextHeightPixels(std::wstring_view text) const;
    // The lines a text takes when it is broken between words to fit the width.
    int WrappedLineCount(std::wstring_view text, int widthPixels) const;

    // The background picture: a copy of the image made by SetPictureFromImage,
    // not selected into any device context; nullptr before the first copy.
    HBITMAP Picture() const { return picture_.get(); }
    void SetPictureFromImage();

    HDC hDC() const { return dc_.get(); }
    // Answers WM_PAINT of the window that shows the surface: the part to be
    // painted is copied from the image.
    void PaintWindow(HWND window) const;

private:
    int LineHeightPixels() const;

    UniqueMemoryDc dc_;
    UniqueBitmap image_;
    UniqueBitmap picture_;
    UniqueFont hfont_;
    HGDIOBJ originalBitmap_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    int dpi_ = 0;  // 0: the scale in force
    int width_ = 0;
    int height_ = 0;
    Colour backColor_ = 0x00FFFFFF;
    Colour foreColor_ = 0;
    StdFont font_;
};

// At the scale in force.
TwipsPerPixel ScreenTwipsPerPixel();

// A colour as GDI wants it: system colours looked up, the top byte cleared.
COLORREF ResolveColour(Colour colour);

} // namespace morvane::win32
