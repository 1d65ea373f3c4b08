#include "about/win32/about_window.h"

#include <utility>

#include "about/about_content.h"
#include "about/about_layout.h"
#include "about/win32/keyed_bitmap.h"
#include "platform/twips.h"
#include "platform/win32/screen_metrics.h"
#include "resources/resource_ids.h"
#include "services/settings_keys.h"
#include "services/utilities.h"

namespace morvane::win32 {

namespace {

constexpr DWORD kDialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kDialogExStyle = WS_EX_CONTROLPARENT;
constexpr UINT kTopmostFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;

int PixelsX(double twips) {
    return PixelsFromTwips(twips, TwipsPerPixelX());
}
int PixelsY(double twips) {
    return PixelsFromTwips(twips, TwipsPerPixelY());
}

void MoveControl(Control& control, const TwipsRect& r) {
    control.Place(PixelsX(r.left), PixelsY(r.top), PixelsX(r.width), PixelsY(r.height));
}

void MoveControl(Window& control, const TwipsRect& r) {
    control.Move(r.left, r.top, r.width, r.height);
}

// The size of a control in twips, as the layout reads it.
TextExtent SizeOf(const Control& control) {
    const SIZE size = control.Size();
    return {TwipsFromPixels(size.cx, TwipsPerPixelX()), TwipsFromPixels(size.cy, TwipsPerPixelY())};
}

bool BelongsToThisThread(HWND window) {
    return window && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

} // namespace

AboutWindow::AboutWindow(AboutHost& host, const SettingsStore& store, Shell& shell, VersionRecord version,
                         AboutMenuTitles menuTitles, HINSTANCE resources)
    : host_(host),
      store_(store),
      shell_(shell),
      version_(std::move(version)),
      menuTitles_(std::move(menuTitles)),
      resources_(resources),
      textFont_(DesignFont(L"Tahoma", SettingsNumber::FromScaled(97500), false, kRussianCharset)),  // 9.75 points
      icon_(static_cast<HICON>(LoadImageW(resources, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, 32, 32, 0))),
      picture_(static_cast<HBITMAP>(LoadImageW(resources, MAKEINTRESOURCEW(IDB_ABOUT_PICTURE), IMAGE_BITMAP, 0, 0, 0))),
      hand_(LoadCursorW(resources, MAKEINTRESOURCEW(IDC_SITE_HAND))) {
    tbSite.OnClick = [this] { SiteClick(); };
    bbYes.OnClick = [this] { host_.OnYes(); };
    bbNo.OnClick = [this] { Close(); };
}

AboutWindow::~AboutWindow() {
    // The children go before the members that draw them.
    Unload();
}

bool AboutWindow::Load(AboutMode mode) {
    if (IsLoaded()) return true;
    mode_ = mode;
    if (!host_.OnLoadChecks(mode_)) return false;

    newLocationMark_.clear();
    active_ = false;
    const ScopedScale scale = AtMonitorUnderCursor();
    if (!CreateWindowCentred()) return false;
    SetIcon(LoadIconW(resources_, MAKEINTRESOURCEW(IDI_PROGRAM)));

    host_.OnLoadLocationCheck(mode_);
    // An accepted start closes the dialog unseen: its controls, and the common
    // controls library they load, are made only for a dialog that stays.
    if (!IsLoaded()) return false;
    CreateControls();
    LoadColoursFontsAndSizes();
    return true;
}

// Centred on the monitor under the cursor at the designed size at its scale.
bool AboutWindow::CreateWindowCentred() {
    RECT outer{0, 0, PixelsX(about_design::kClientWidth), PixelsY(about_design::kClientHeight)};
    AdjustWindowRectEx(&outer, kDialogStyle, FALSE, kDialogExStyle);
    WindowDesign design;
    design.className = kAboutClassName;
    design.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    design.style = kDialogStyle;
    design.exStyle = kDialogExStyle;
    design.caption = version_.LegalTrademarks.c_str();
    design.width = outer.right - outer.left;
    design.height = outer.bottom - outer.top;
    const DialogOrigin origin = CentredOn({design.width, design.height}, HalfPixel::TowardZero);
    design.left = origin.left;
    design.top = origin.top;
    return Create(design);
}

void AboutWindow::CreateControls() {
    ibAbout.Load(hWnd(), about_control::kIcon);
    tbAbout.Create(hWnd(), about_control::kText);
    pbAbout.Load(hWnd(), about_control::kPicture);
    // The picture lies in front of the empty lines of the text.
    SetWindowPos(pbAbout.hWnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    tbSite.Load(hWnd(), about_control::kSite, hand_ ? hand_ : LoadCursorW(nullptr, IDC_HAND));
    chAbout.Create(kSilentCaption, hWnd(), about_control::kCheck);
    pbBar.Load(hWnd(), about_control::kBar);
    bbYes.Create(kYesCaption, pbBar.hWnd(), about_control::kYes, true);
    bbNo.Create(kNoCaption, pbBar.hWnd(), about_control::kNo);
    SetDialogButtons(bbYes, bbNo);
    // The buttons keep a font of their own.
    SetButtonFont({&bbYes, &bbNo});
}

void AboutWindow::LoadColoursFontsAndSizes() {
    // Colours: the text, picture, link and check box lie on the window's
    // background (tbAbout and chAbout through WM_CTLCOLORSTATIC).
    ibAbout.Surface().SetBackColor(kWindowColour);
    pbAbout.Surface().SetBackColor(kWindowColour);

    // Fonts: everything measured and shown in the text's font.
    StdFont windowFont;
    CopyFont(textFont_, windowFont);
    SetTextFont(windowFont);
    StdFont linkFont;
    CopyFont(textFont_, linkFont);
    tbSite.SetFont(linkFont);
    tbAbout.SetFont(TextFont());
    chAbout.SetFont(TextFont());
    // The text is measured without the edit control's margins.
    SendMessageW(tbAbout.hWnd(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);

    const AboutLoadSizes sizes = AboutSizesAtLoad(ScreenTwipsPerPixel());
    MoveControl(bbYes, {0, 0, sizes.buttonWidth, sizes.buttonHeight});
    MoveControl(pbBar, {0, 0, ClientWidth(), sizes.barHeight});
    MoveControl(ibAbout, sizes.icon);
    MoveControl(pbAbout, {0, 0, sizes.pictureWidth, sizes.pictureHeight});

    DrawIconEx(ibAbout.Surface().hDC(), 0, 0, icon_.get(), 32, 32, 0, nullptr, DI_NORMAL);
    DrawKeyedBitmap(pbAbout.Surface().hDC(), 0, 0, picture_.get());
}

void AboutWindow::Activate() {
    const AboutMode mode = mode_;
    ShowControlsFor(mode);
    SetWindowTextW(hWnd(), AboutTitle(mode, version_, menuTitles_).c_str());
    const std::wstring text = AboutText(mode, version_);
    tbAbout.SetText(text);
    if (ContentOf(mode) == AboutContent::About) tbSite.SetText(SiteLinkText(version_.Comments));
    LayOut(mode, text);

    SetFocus(ControlsShownIn(mode).yesButton ? bbYes.hWnd() : bbNo.hWnd());
    SetForegroundWindow(hWnd());
    SetWindowPos(hWnd(), HWND_TOPMOST, 0, 0, 0, 0, kTopmostFlags);
}

void AboutWindow::Rescaled() {
    if (!tbAbout.hWnd()) return;  // closed unseen by the acceptance
    SetButtonFont({&bbYes, &bbNo});
    LoadColoursFontsAndSizes();
    LayOut(mode_, AboutText(mode_, version_));
}

void AboutWindow::ShowControlsFor(AboutMode mode) {
    const AboutControlsShown shown = ControlsShownIn(mode);
    chAbout.SetVisibleFlag(shown.checkBox);
    tbSite.SetVisible(shown.siteLink);
    pbAbout.SetVisible(shown.picture);
    bbYes.SetVisibleFlag(shown.yesButton);
    bbNo.SetText(NoButtonCaption(mode));
}

void AboutWindow::LayOut(AboutMode mode, const std::wstring& text) {
    const DrawingSurface& measure = TextSurface();
    AboutLayoutInput input;
    input.aboutMode = mode;
    input.twips = ScreenTwipsPerPixel();
    input.frameWidth = Width() - ClientWidth();
    input.frameHeight = Height() - ClientHeight();
    input.icon = {ibAbout.Left(), ibAbout.Top(), ibAbout.Width(), ibAbout.Height()};
    input.pictureWidth = pbAbout.Width();
    input.pictureHeight = pbAbout.Height();
    const TextExtent button = SizeOf(bbYes);
    input.buttonWidth = button.width;
    input.buttonHeight = button.height;
    input.barHeight = pbBar.Height();
    input.text = {measure.TextWidth(text), measure.TextHeight(text)};
    input.link = {measure.TextWidth(tbSite.Text()), measure.TextHeight(tbSite.Text())};
    input.checkCaption = {measure.TextWidth(kSilentCaption), measure.TextHeight(kSilentCaption)};
    const AboutLayout layout = LayOutAbout(input);

    const AboutControlsShown shown = ControlsShownIn(mode);
    MoveControl(tbAbout, layout.text);
    if (shown.picture) MoveControl(pbAbout, layout.picture);
    if (shown.siteLink) MoveControl(tbSite, layout.link);
    if (shown.checkBox) MoveControl(chAbout, layout.check);
    SetWidth(layout.windowWidth);
    MoveControl(pbBar, layout.bar);
    MoveControl(bbNo, layout.no);
    if (layout.yes) MoveControl(bbYes, *layout.yes);
    SetHeight(layout.windowHeight);
}

void AboutWindow::Show() {
    if (IsLoaded()) ShowDialog();
}

void AboutWindow::ShowModal(AboutMode mode, const std::wstring& settingsFile) {
    settingsFile_ = settingsFile;
    mode_ = mode;
    if (!IsLoaded() && !Load(mode)) return;
    RunModal();
}

void AboutWindow::ShowDialog() {
    const ScopedScale scale = InOwnScale();
    SetVisible(true);
    // Shown but not made active (the system may refuse a program in the
    // background): the dialog is laid out and raised all the same.
    if (IsLoaded()) Activated();
}

bool AboutWindow::Activated() {
    if (active_) return false;
    active_ = true;
    Activate();
    return true;
}

void AboutWindow::Deactivated(HWND next) {
    // Another window of the program: coming back is a new Activate.
    if (BelongsToThisThread(next)) active_ = false;
}

void AboutWindow::Close() {
    if (!IsLoaded()) return;
    // From the mode: the box's own visible flag is set before the dialog's
    // first activation, whatever the mode turns out to be.
    if (ControlsShownIn(mode_).checkBox)
        store_.IniWriteNumber(settingsFile_, settings_key::kMain, settings_key::kSilent, BitOf(chAbout.Checked()));
    EndDialog();
}

void AboutWindow::SiteClick() {
    // Shown normally: a browser opened hidden could not be seen. An address
    // takes no parameters.
    shell_.Open(tbSite.Text(), L"", show_command::kNormal);
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC) {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    return DialogWindow::HandleMessage(message, wParam, lParam);
}

} // namespace morvane::win32
