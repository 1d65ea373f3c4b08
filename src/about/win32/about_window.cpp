#include "about/win32/about_window.h"

#include <utility>

#include "about/about_content.h"
#include "about/about_layout.h"
#include "about/site_hover.h"
#include "about/win32/keyed_bitmap.h"
#include "platform/twips.h"
#include "platform/win32/controls.h"
#include "platform/win32/dialog_keys.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/monitors_win32.h"
#include "platform/win32/screen_metrics.h"
#include "resources/resource_ids.h"
#include "services/settings_keys.h"
#include "services/utilities.h"

namespace morvane::win32 {

namespace {

constexpr DWORD kDialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kDialogExStyle = WS_EX_CONTROLPARENT;
constexpr UINT kTopmostFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;

StdFont TextDesignFont() {
    StdFont font;
    font.Name = L"Tahoma";
    font.Size = SettingsNumber::FromScaled(97500);  // 9.75 points
    font.Weight = 400;
    font.Charset = 204;
    return font;
}

int PixelsX(double twips) {
    return PixelsFromTwips(twips, TwipsPerPixelX());
}
int PixelsY(double twips) {
    return PixelsFromTwips(twips, TwipsPerPixelY());
}

void MoveControl(HWND control, const TwipsRect& r) {
    SetWindowPos(control, nullptr, PixelsX(r.left), PixelsY(r.top), PixelsX(r.width), PixelsY(r.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void MoveControl(Window& control, const TwipsRect& r) {
    control.Move(r.left, r.top, r.width, r.height);
}

void SetVisibleFlag(HWND control, bool visible) {
    ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

// The control's own visible flag, whether or not its dialog is shown.
bool VisibleFlag(HWND control) {
    return control && (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

// The size of a control in twips, as the layout reads it.
TextExtent SizeOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return {TwipsFromPixels(r.right - r.left, TwipsPerPixelX()), TwipsFromPixels(r.bottom - r.top, TwipsPerPixelY())};
}

struct DisabledWindows {
    HWND dialog;
    std::vector<HWND> windows;
};

// Disables a shown, enabled top-level window of the thread other than the dialog.
BOOL CALLBACK DisableShownWindow(HWND window, LPARAM found) {
    auto& disabled = *reinterpret_cast<DisabledWindows*>(found);
    if (window != disabled.dialog && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        disabled.windows.push_back(window);
    }
    return TRUE;
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
      surface_(ScreenTwipsPerPixel()),
      textFont_(TextDesignFont()),
      icon_(static_cast<HICON>(LoadImageW(resources, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, 32, 32, 0))),
      picture_(static_cast<HBITMAP>(LoadImageW(resources, MAKEINTRESOURCEW(IDB_ABOUT_PICTURE), IMAGE_BITMAP, 0, 0, 0))),
      hand_(LoadCursorW(resources, MAKEINTRESOURCEW(IDC_SITE_HAND))) {
    toHotTracking.OnTick = [this] { HotTrackingTick(); };
    tbSite.OnClick = [this] { SiteClick(); };
    tbSite.OnMouseMove = [this](WPARAM keys) { SiteMouseMove(keys); };
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
    focusBeforeLeaving_ = nullptr;

    // Centred on the monitor that holds the cursor, at the designed size.
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
    const ScreenPoint origin = CentredOn(MonitorUnderCursor().rect, design.width, design.height);
    design.left = origin.x;
    design.top = origin.y;
    if (!Create(design)) return false;
    SetIcon(LoadIconW(resources_, MAKEINTRESOURCEW(IDI_PROGRAM)));

    host_.OnLoadLocationCheck(mode_);
    // An accepted start closes the dialog unseen: its controls, and the common
    // controls library they load, are made only for a dialog that stays.
    if (!IsLoaded()) return false;
    CreateControls();
    LoadColoursFontsAndSizes();
    return true;
}

void AboutWindow::CreateControls() {
    ibAbout.Load(hWnd(), about_control::kIcon);
    tbAbout = CreateControl(L"EDIT", L"", WS_CLIPSIBLINGS | ES_MULTILINE | ES_READONLY, hWnd(), about_control::kText);
    pbAbout.Load(hWnd(), about_control::kPicture);
    // The picture lies in front of the empty lines of the text.
    SetWindowPos(pbAbout.hWnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    tbSite.Load(hWnd(), about_control::kSite, hand_ ? hand_ : LoadCursorW(nullptr, IDC_HAND));
    chAbout = CreateControl(L"BUTTON", kSilentCaption, WS_TABSTOP | BS_AUTOCHECKBOX, hWnd(), about_control::kCheck);
    pbBar.Load(hWnd(), about_control::kBar);
    bbYes = CreateControl(L"BUTTON", kYesCaption, WS_TABSTOP | BS_DEFPUSHBUTTON, pbBar.hWnd(), about_control::kYes);
    bbNo = CreateControl(L"BUTTON", kNoCaption, WS_TABSTOP | BS_PUSHBUTTON, pbBar.hWnd(), about_control::kNo);
    // The buttons keep a font of their own.
    const auto buttonFont = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(bbYes, WM_SETFONT, buttonFont, FALSE);
    SendMessageW(bbNo, WM_SETFONT, buttonFont, FALSE);
}

void AboutWindow::LoadColoursFontsAndSizes() {
    // Colours: the text, picture, link and check box lie on the window's
    // background (tbAbout and chAbout through WM_CTLCOLORSTATIC).
    ibAbout.Surface().SetBackColor(kWindowColour);
    pbAbout.Surface().SetBackColor(kWindowColour);

    // Fonts: everything measured and shown in the text's font.
    StdFont windowFont;
    CopyFont(textFont_, windowFont);
    surface_.SetFont(windowFont);
    StdFont linkFont;
    CopyFont(textFont_, linkFont);
    tbSite.SetFont(linkFont);
    // The surface owns the font; the controls only borrow it while they exist.
    const auto font = reinterpret_cast<WPARAM>(GetCurrentObject(surface_.hDC(), OBJ_FONT));
    SendMessageW(tbAbout, WM_SETFONT, font, FALSE);
    SendMessageW(chAbout, WM_SETFONT, font, FALSE);
    // The text is measured without the edit control's margins.
    SendMessageW(tbAbout, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);

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
    const AboutControlsShown shown = ControlsShownIn(mode);

    SetVisibleFlag(chAbout, shown.checkBox);
    tbSite.SetVisible(shown.siteLink);
    pbAbout.SetVisible(shown.picture);
    SetVisibleFlag(bbYes, shown.yesButton);
    SetWindowTextW(bbNo, std::wstring(NoButtonCaption(mode)).c_str());

    SetWindowTextW(hWnd(), AboutTitle(mode, version_, menuTitles_).c_str());
    const std::wstring text = AboutText(mode, version_);
    SetWindowTextW(tbAbout, text.c_str());
    if (ContentOf(mode) == AboutContent::About) tbSite.SetText(SiteLinkText(version_.Comments));

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
    input.text = {surface_.TextWidth(text), surface_.TextHeight(text)};
    input.link = {surface_.TextWidth(tbSite.Text()), surface_.TextHeight(tbSite.Text())};
    input.checkCaption = {surface_.TextWidth(kSilentCaption), surface_.TextHeight(kSilentCaption)};
    const AboutLayout layout = LayOutAbout(input);

    MoveControl(tbAbout, layout.text);
    if (shown.picture) MoveControl(pbAbout, layout.picture);
    if (shown.siteLink) MoveControl(tbSite, layout.link);
    if (shown.checkBox) MoveControl(chAbout, layout.check);
    SetWidth(layout.windowWidth);
    MoveControl(pbBar, layout.bar);
    MoveControl(bbNo, layout.no);
    if (layout.yes) MoveControl(bbYes, *layout.yes);
    SetHeight(layout.windowHeight);

    SetFocus(shown.yesButton ? bbYes : bbNo);
    SetForegroundWindow(hWnd());
    SetWindowPos(hWnd(), HWND_TOPMOST, 0, 0, 0, 0, kTopmostFlags);
}

void AboutWindow::Show() {
    if (IsLoaded()) ShowAndActivate();
}

void AboutWindow::ShowModal(AboutMode mode, const std::wstring& settingsFile) {
    settingsFile_ = settingsFile;
    mode_ = mode;
    if (!IsLoaded() && !Load(mode)) return;
    DisableOtherWindows();
    ShowAndActivate();
    RunMessageLoop({this});
    // The loop also ends when the program is told to quit: the dialog goes too.
    RestoreOtherWindows();
    Unload();
}

void AboutWindow::ShowAndActivate() {
    SetVisible(true);
    // Shown but not made active (the system may refuse a program in the
    // background): the dialog is laid out and raised all the same.
    if (IsLoaded() && !active_) {
        active_ = true;
        Activate();
    }
}

void AboutWindow::Close() {
    if (!IsLoaded()) return;
    // From the mode: the box's own visible flag is set before the dialog's
    // first activation, whatever the mode turns out to be.
    if (ControlsShownIn(mode_).checkBox) {
        const bool ticked = SendMessageW(chAbout, BM_GETCHECK, 0, 0) == BST_CHECKED;
        store_.IniWriteNumber(settingsFile_, settings_key::kMain, settings_key::kSilent, BitOf(ticked));
    }
    RestoreOtherWindows();
    Unload();
}

void AboutWindow::SiteClick() {
    // Shown normally: a browser opened hidden could not be seen. An address
    // takes no parameters.
    shell_.Open(tbSite.Text(), L"", show_command::kNormal);
}

void AboutWindow::SiteMouseMove(WPARAM keys) {
    const MouseMoveKeys held{
        .anyButton = (keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_XBUTTON1 | MK_XBUTTON2)) != 0,
        .shift = (keys & MK_SHIFT) != 0,
        .control = (keys & MK_CONTROL) != 0,
        .alt = GetKeyState(VK_MENU) < 0,
    };
    if (!HoverStartsOnMove(held)) return;
    tbSite.SetUnderlined(true);
    toHotTracking.SetEnabled(true);
}

void AboutWindow::HotTrackingTick() {
    RECT link{};
    POINT cursor{};
    GetWindowRect(tbSite.hWnd(), &link);
    GetCursorPos(&cursor);
    if (CursorOverLink(cursor.x, cursor.y, ScreenRectOf(link))) return;
    toHotTracking.SetEnabled(false);
    tbSite.SetUnderlined(false);
}

void AboutWindow::EnterPressed() {
    // A push button with the focus takes Enter; otherwise the default button
    // does, while it is visible.
    const HWND focus = GetFocus();
    if (focus == bbNo) {
        Close();
    } else if (focus == bbYes || VisibleFlag(bbYes)) {
        host_.OnYes();
    }
}

bool AboutWindow::PreTranslateMessage(MSG& message) {
    return IsLoaded() && TranslateDialogKeys(hWnd(), message, [this] { EnterPressed(); }, [this] { Close(); });
}

void AboutWindow::DisableOtherWindows() {
    DisabledWindows disabled{hWnd(), {}};
    EnumThreadWindows(GetCurrentThreadId(), &DisableShownWindow, reinterpret_cast<LPARAM>(&disabled));
    disabledWindows_ = std::move(disabled.windows);
}

void AboutWindow::RestoreOtherWindows() {
    for (const HWND window : disabledWindows_) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
    disabledWindows_.clear();
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(hWnd(), focus)) focusBeforeLeaving_ = focus;
            // Another window of the program: coming back is a new Activate.
            if (BelongsToThisThread(reinterpret_cast<HWND>(lParam))) active_ = false;
            return 0;
        }
        if (HIWORD(wParam) != 0) break;  // minimised
        if (!active_) {
            active_ = true;
            Activate();
        } else if (focusBeforeLeaving_ && IsWindow(focusBeforeLeaving_)) {
            SetFocus(focusBeforeLeaving_);
        }
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            const int id = LOWORD(wParam);
            if (id == about_control::kYes) {
                host_.OnYes();
                return 0;
            }
            if (id == about_control::kNo) {
                Close();
                return 0;
            }
        }
        break;
    case WM_CTLCOLORSTATIC: {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    case WM_CLOSE:
        // The close box: no answer is stored. The program's windows come back
        // before the dialog goes, so that one of them becomes active again.
        RestoreOtherWindows();
        break;
    case WM_DESTROY:
        RestoreOtherWindows();
        // The system destroys the controls with the dialog.
        tbAbout = chAbout = bbYes = bbNo = nullptr;
        break;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

} // namespace morvane::win32
