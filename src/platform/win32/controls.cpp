#include "platform/win32/controls.h"

#include <string>

#include "platform/win32/diagnostics.h"
#include "platform/win32/window.h"

namespace morvane::win32 {

// The object rides in the window's user data, which the system classes leave
// to the program; the program's own windows keep their Window there.
Control* Control::FromHandle(HWND window) {
    if (!window || Window::IsProgramWindow(window)) return nullptr;
    return reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool Control::Create(const wchar_t* className, std::wstring_view caption, DWORD style, HWND parent, int id) {
    hwnd_ = CreateWindowExW(0, className, std::wstring(caption).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                            nullptr);
    if (!hwnd_) {
        MORVANE_TRACE_FAILURE("CreateWindowExW", GetLastError());
        return false;
    }
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return true;
}

void Control::Notified(WORD) {}

bool Control::Press() {
    return false;
}

bool Control::VisibleFlag() const {
    return hwnd_ && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetVisibleFlag(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void Control::SetText(std::wstring_view text) {
    SetWindowTextW(hwnd_, std::wstring(text).c_str());
}

void Control::SetFont(HFONT font) {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void Control::Place(int left, int top, int width, int height) {
    SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE Control::Size() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return {r.right - r.left, r.bottom - r.top};
}

bool PushButton::Create(std::wstring_view caption, HWND parent, int id, bool isDefault) {
    return Control::Create(L"BUTTON", caption, WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), parent,
                           id);
}

void PushButton::Click() {
    if (OnClick) OnClick();
}

void PushButton::Notified(WORD code) {
    if (code == BN_CLICKED) Click();
}

bool PushButton::Press() {
    Click();
    return true;
}

bool CheckBox::Create(std::wstring_view caption, HWND parent, int id) {
    return Control::Create(L"BUTTON", caption, WS_TABSTOP | BS_AUTOCHECKBOX, parent, id);
}

bool CheckBox::Checked() const {
    return SendMessageW(hWnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool TextBox::Create(HWND parent, int id) {
    return Control::Create(L"EDIT", L"", WS_CLIPSIBLINGS | ES_MULTILINE | ES_READONLY, parent, id);
}

bool Label::Create(std::wstring_view caption, HWND parent, int id) {
    return Control::Create(L"STATIC", caption, SS_LEFT | SS_NOPREFIX, parent, id);
}

} // namespace morvane::win32
