#include "platform/win32/drawing_surface.h"

#include <algorithm>
#include <vector>

#include "platform/twips.h"
#include "platform/win32/diagnostics.h"
#include "platform/win32/screen_metrics.h"
#include "platform/fixed_number.h"

namespace morvane::win32 {

namespace {


// The lines of a text; "\r\n", a lone "\r" and a lone "\n" each end a line.
std::vector<std::wstring_view> LinesOf(std::wstring_view text) {
    std::vector<std::wstring_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\r' && text[i] != L'\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

// A bitmap in the screen's format; GDI gives a 1 x 1 monochrome one for an
// empty size, so an empty surface keeps one screen pixel instead.
UniqueBitmap ScreenBitmap(int width, int height) {
    const WindowDc screen = WindowDc::Client(nullptr);
    return UniqueBitmap(CreateCompatibleBitmap(screen.get(), std::max(width, 1), std::max(height, 1)));
}

LOGFONTW LogFontOf(const StdFont& font, int dpiY) {
    LOGFONTW log{};
    log.lfHeight = -static_cast<LONG>(FontPixelsFromPoints(font.Size.ToDouble(), dpiY));
    log.lfWeight = font.Weight;
    log.lfItalic = font.Italic ? TRUE : FALSE;
    log.lfUnderline = font.Underline ? TRUE : FALSE;
    log.lfStrikeOut = font.Strikethrough ? TRUE : FALSE;
    log.lfCharSet = static_cast<BYTE>(font.Charset);
    log.lfOutPrecision = OUT_DEFAULT_PRECIS;
    log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    log.lfQuality = DEFAULT_QUALITY;
    log.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::size_t length = std::min(font.Name.size(), std::size(log.lfFaceName) - 1);
    std::copy_n(font.Name.begin(), length, log.lfFaceName);
    return log;
}

} // namespace

TwipsPerPixel ScreenTwipsPerPixel() {
    return {TwipsPerPixelX(), TwipsPerPixelY()};
}

COLORREF ResolveColour(Colour colour) {
    if ((colour & kSystemColourFlag) != 0) return GetSysColor(static_cast<int>(colour & 0xFFu));
    return colour & 0x00FFFFFFu;
}

DrawingSurface::DrawingSurface() : dc_(CreateCompatibleDC(nullptr)) {
    image_ = ScreenBitmap(0, 0);
    originalBitmap_ = SelectObject(dc_.get(), image_.get());
    originalFont_ = GetCurrentObject(dc_.get(), OBJ_FONT);
    Clear();
}

DrawingSurface::~DrawingSurface() {
    // Our bitmap and font must leave the context before they can be deleted.
    SelectObject(dc_.get(), originalBitmap_);
    SelectObject(dc_.get(), originalFont_);
}

void DrawingSurface::Resize(int widthPixels, int heightPixels) {
    width_ = std::max(widthPixels, 0);
    height_ = std::max(heightPixels, 0);
    UniqueBitmap fresh = ScreenBitmap(width_, height_);
    SelectObject(dc_.get(), fresh.get());
    image_ = std::move(fresh);
}

void DrawingSurface::SetDpi(int dpi) {
    if (dpi == dpi_) return;
    dpi_ = dpi;
    if (hfont_) SetFont(StdFont(font_));
}

TwipsPerPixel DrawingSurface::Twips() const {
    if (dpi_ == 0) return ScreenTwipsPerPixel();
    return {TwipsPerPixelFromDpi(dpi_), TwipsPerPixelFromDpi(dpi_)};
}

void DrawingSurface::SetFont(const StdFont& font) {
    const int dpi = dpi_ != 0 ? dpi_ : ScaleInForce();
    const LOGFONTW log = LogFontOf(font, dpi != 0 ? dpi : GetDeviceCaps(dc_.get(), LOGPIXELSY));
    UniqueFont fresh(CreateFontIndirectW(&log));
    if (!fresh) {
        MORVANE_TRACE_FAILURE("CreateFontIndirectW", GetLastError());
        return;
    }
    SelectObject(dc_.get(), fresh.get());
    hfont_ = std::move(fresh);
    font_ = font;
}

void DrawingSurface::Clear() {
    const UniqueBrush brush(CreateSolidBrush(ResolveColour(backColor_)));
    const RECT all{0, 0, std::max(width_, 1), std::max(height_, 1)};
    FillRect(dc_.get(), &all, brush.get());
}

int DrawingSurface::LineHeightPixels() const {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_.get(), &metrics);
    return static_cast<int>(metrics.tmHeight);
}

void DrawingSurface::Print(std::wstring_view text) {
    const HDC dc = dc_.get();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveColour(foreColor_));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const int x = PixelsFromTwips(CurrentX, Twips().x);
    int y = PixelsFromTwips(CurrentY, Twips().y);
    const int lineHeight = LineHeightPixels();
    for (const std::wstring_view line : LinesOf(text)) {
        TextOutW(dc, x, y, line.data(), static_cast<int>(line.size()));
        y += lineHeight;
    }
}

int DrawingSurface::TextWidthPixels(std::wstring_view text) const {
    LONG widest = 0;
    for (const std::wstring_view line : LinesOf(text)) {
        SIZE extent{};
        GetTextExtentPoint32W(dc_.get(), line.data(), static_cast<int>(line.size()), &extent);
        widest = std::max(widest, extent.cx);
    }
    return static_cast<int>(widest);
}

int DrawingSurface::TextHeightPixels(std::wstring_view text) const {
    return static_cast<int>(LinesOf(text).size()) * LineHeightPixels();
}

int DrawingSurface::WrappedLineCount(std::wstring_view text, int widthPixels) const {
    RECT room{0, 0, widthPixels, 0};
    DrawTextW(dc_.get(), text.data(), static_cast<int>(text.size()), &room, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return std::max(1, static_cast<int>(room.bottom / std::max(1, LineHeightPixels())));
}

double DrawingSurface::TextWidth(std::wstring_view text) const {
    return TwipsFromPixels(TextWidthPixels(text), Twips().x);
}

double DrawingSurface::TextHeight(std::wstring_view text) const {
    return TwipsFromPixels(TextHeightPixels(text), Twips().y);
}

void DrawingSurface::SetPictureFromImage() {
    UniqueBitmap copy = ScreenBitmap(width_, height_);
    const UniqueMemoryDc copyDc(CreateCompatibleDC(dc_.get()));
    {
        const ScopedSelect select(copyDc.get(), copy.get());
        BitBlt(copyDc.get(), 0, 0, std::max(width_, 1), std::max(height_, 1), dc_.get(), 0, 0, SRCCOPY);
    }
    picture_ = std::move(copy);
}

void DrawingSurface::PaintWindow(HWND window) const {
    PAINTSTRUCT paint{};
    const HDC target = BeginPaint(window, &paint);
    const RECT& area = paint.rcPaint;
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.get(), area.left,
           area.top, SRCCOPY);
    EndPaint(window, &paint);
}

} // namespace morvane::win32
