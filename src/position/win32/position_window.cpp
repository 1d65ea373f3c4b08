#include "position/win32/position_window.h"

#include <algorithm>
#include <utility>

#include "platform/twips.h"
#include "platform/win32/screen_metrics.h"
#include "position/position_choice.h"
#include "services/utilities.h"
#include "services/win32/set_form_size.h"

namespace morvane::win32 {

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr Colour kDesktopColour = kSystemColourFlag | COLOR_BACKGROUND;
// The client size as designed; Load sizes the dialog to its contents, measuring
// the frame as outer minus client size, which needs a client area to measure.
constexpr int kDesignClientWidth = 417;
constexpr int kDesignClientHeight = 415;

constexpr std::wstring_view kInstruction =
    L"Drag the language indicator to the desired position relative to the cursor:";
constexpr std::wstring_view kDefaultCaption = L"&Default";
constexpr std::wstring_view kOkCaption = L"&OK";
constexpr std::wstring_view kCancelCaption = L"&Cancel";

StdFont LabelFont() {
    return DesignFont(L"Tahoma", 9, false, kRussianCharset);
}

void Place(HWND control, const PositionRect& r) {
    SetWindowPos(control, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Place(Control& control, const PositionRect& r) {
    control.Place(r.left, r.top, r.width, r.height);
}

void FrameOutline(HDC dc, const PositionRect& r) {
    const RECT edges{r.left, r.top, r.Right(), r.Bottom()};
    FrameRect(dc, &edges, GetSysColorBrush(COLOR_3DHIGHLIGHT));
}

void RaiseAmongSiblings(HWND control) {
    SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace

PositionWindow::PositionWindow(PositionOwner& owner, std::wstring title)
    : owner_(owner), title_(std::move(title)) {
    // The pressed sample takes the focus: with a control that is not a
    // button focused, Enter after a drag presses OK.
    pbLang.OnPress = [this] {
        bDragging = true;
        SetFocus(pbLang.hWnd());
    };
    pbLang.OnRelease = [this] { bDragging = false; };
    pbLang.OnMove = [this](PixelPoint pointer) { SampleMove(pointer); };
    bbDefault.OnClick = [this] { DefaultClick(); };
    bbOK.OnClick = [this] { OkClick(); };
    bbCancel.OnClick = [this] { Unload(); };
}

PositionWindow::~PositionWindow() {
    returnPending_ = false;
    Unload();
}

bool PositionWindow::Load() {
    if (IsLoaded()) return true;
    bDragging = false;
    const ScopedScale scale = AtMonitorUnderCursor();

    WindowDesign design;
    design.className = kPositionClassName;
    design.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    design.style = kDialogStyle;
    design.exStyle = kDialogExStyle;
    design.parent = owner_.IndicatorWindow().hWnd();
    design.caption = title_.c_str();
    RECT outer{0, 0, kDesignClientWidth, kDesignClientHeight};
    AdjustWindowRectEx(&outer, kDialogStyle, FALSE, kDialogExStyle);
    design.width = outer.right - outer.left;
    design.height = outer.bottom - outer.top;
    if (!Create(design)) return false;
    returnPending_ = true;

    SetIcon(owner_.IndicatorWindow().Icon());
    SetTextFont(LabelFont());
    CreateControls();
    PlaceControls();
    Centre(HalfPixel::ToEven);
    DrawPreview();
    PaintSample(owner_.Offsets());
    SetTabOrder();
    return IsLoaded();
}

// Laid out anew at the new scale; the sample keeps the offset it shows.
void PositionWindow::Rescaled() {
    const PositionOffsets shown = ChosenOffsets(SampleRect(), layout_.cursor);
    SetTextFont(LabelFont());
    tlPos.SetFont(TextFont());
    SetButtonFont({&bbDefault, &bbOK, &bbCancel});
    PlaceControls();
    DrawPreview();
    PaintSample(shown);
}

void PositionWindow::CreateControls() {
    tlPos.Create(kInstruction, hWnd(), position_control::kLabel);
    tlPos.SetFont(TextFont());

    // The cursor picture shows its image straight on the desktop colour.
    pbDesktop.Surface().SetBackColor(kDesktopColour);
    pbCursor.Surface().SetBackColor(kDesktopColour);
    pbDesktop.Load(hWnd(), position_control::kDesktop, true);
    // The outlines on the desktop's surface stay beneath the boxes inside it.
    SetWindowLongPtrW(pbDesktop.hWnd(), GWL_STYLE, GetWindowLongPtrW(pbDesktop.hWnd(), GWL_STYLE) | WS_CLIPCHILDREN);
    pbCursor.Load(pbDesktop.hWnd(), position_control::kCursor);
    pbLang.Load(pbDesktop.hWnd(), position_control::kSample);

    pbBar.Load(hWnd(), position_control::kBar);
    const HWND bar = pbBar.hWnd();
    bbDefault.Create(kDefaultCaption, bar, position_control::kDefault);
    bbOK.Create(kOkCaption, bar, position_control::kOk, true);
    bbCancel.Create(kCancelCaption, bar, position_control::kCancel);
    SetDialogButtons(bbOK, bbCancel);
    SetButtonFont({&bbDefault, &bbOK, &bbCancel});
}

void PositionWindow::PlaceControls() {
    const TwipsPerPixel twips = ScreenTwipsPerPixel();
    PositionLayoutInput input;
    input.twips = twips;
    input.cursorWidth = owner_.CursorWidth();
    input.cursorHeight = owner_.CursorHeight();
    // One designed line height for each line the text needs in the room it has.
    const DrawingSurface& label = TextSurface();
    input.labelWidth = std::min(label.TextWidthPixels(kInstruction), LabelRoom(input.cursorWidth));
    input.labelHeight = DesignedLabelHeight(twips) * label.WrappedLineCount(kInstruction, input.labelWidth);
    input.barHeight = DesignedBarHeight(twips);
    layout_ = LayOutPosition(input);

    Place(tlPos, layout_.label);
    Place(pbDesktop.hWnd(), layout_.desktop);
    Place(pbCursor.hWnd(), layout_.cursor);
    Place(pbBar.hWnd(), layout_.bar);
    Place(bbCancel, layout_.cancelButton);
    Place(bbOK, layout_.okButton);
    Place(bbDefault, layout_.defaultButton);

    // The frame stays as it is; the client area takes the layout's size.
    SetFormSize(*this, Width() - ClientWidth() + TwipsFromPixels(layout_.clientWidth, twips.x),
                Height() - ClientHeight() + TwipsFromPixels(layout_.clientHeight, twips.y));
}

void PositionWindow::DrawPreview() {
    const HDC desktop = pbDesktop.Surface().hDC();
    FrameOutline(desktop, layout_.border);
    FrameOutline(desktop, layout_.shield);
    InvalidateRect(pbDesktop.hWnd(), nullptr, FALSE);

    // Always the standard arrow, not the shape in use now. The dialog is still
    // hidden, so the image goes into the box's persistent picture. The arrow
    // is the system's shared cursor, which must not be destroyed.
    DrawIcon(pbCursor.Surface().hDC(), 0, 0, LoadCursorW(nullptr, IDC_ARROW));
    InvalidateRect(pbCursor.hWnd(), nullptr, FALSE);
}

void PositionWindow::PaintSample(PositionOffsets offsets) {
    DrawingSurface& sample = pbLang.Surface();
    sample.SetForeColor(owner_.IndicatorForeColor());
    sample.SetBackColor(owner_.IndicatorBackColor());
    sample.SetFont(owner_.IndicatorFont());
    owner_.zPaintCursor(pbLang);
    // The automatic place depends on the size the paint gave the sample.
    const PositionRect painted = SampleRect();
    MoveSample(FirstSamplePlace(layout_.cursor, offsets, painted.width, painted.height));
}

void PositionWindow::SetTabOrder() {
    // The sample lies over the cursor picture where they meet, so it can
    // always be taken. The bar comes first and "&Cancel" first in it, so
    // that Cancel holds the focus when the dialog opens.
    RaiseAmongSiblings(pbLang.hWnd());
    RaiseAmongSiblings(pbBar.hWnd());
    RaiseAmongSiblings(bbCancel.hWnd());
    RememberFocus(bbCancel.hWnd());
}

bool PositionWindow::Show() {
    if (!IsLoaded() && !Load()) return false;
    SetVisible(true);
    SetForegroundWindow(hWnd());
    SetFocus(RememberedFocus());
    return true;
}

PositionRect PositionWindow::SampleRect() const {
    RECT r{};
    GetWindowRect(pbLang.hWnd(), &r);
    MapWindowPoints(nullptr, pbDesktop.hWnd(), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void PositionWindow::MoveSample(PixelPoint place) {
    SetWindowPos(pbLang.hWnd(), nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PositionWindow::SampleMove(PixelPoint pointer) {
    if (!bDragging) return;
    MoveSample(DragStep(SampleRect(), pointer, layout_.shield, layout_.innerWidth, layout_.innerHeight));
}

void PositionWindow::DefaultClick() {
    const PositionRect sample = SampleRect();
    MoveSample(AutomaticSamplePlace(layout_.cursor, sample.width, sample.height));
}

void PositionWindow::OkClick() {
    owner_.SetOffsets(ChosenOffsets(SampleRect(), layout_.cursor));
    Unload();
}

LRESULT PositionWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        // However the dialog goes (OK, Cancel, Escape, the close box), the
        // indicator gets its offset back and resumes, once.
        bDragging = false;
        if (std::exchange(returnPending_, false)) owner_.zPosition_Return();
    }
    return DialogWindow::HandleMessage(message, wParam, lParam);
}

} // namespace morvane::win32
