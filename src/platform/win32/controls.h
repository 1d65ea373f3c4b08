#pragma once
// The system controls of the program's dialogs as typed objects. A control's
// window is a child of a dialog or of a box inside it and goes with that
// window; the object stays and is made again at the next Create. The parent's
// window reflects WM_COMMAND to the control it came from (Window), so each
// control raises its own handler.
#include <windows.h>

#include <functional>
#include <string_view>

namespace morvane::win32 {

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    HWND hWnd() const { return hwnd_; }

    // The control whose window this is; nullptr for any other window.
    static Control* FromHandle(HWND window);

    // A notification from the control's window (the high word of WM_COMMAND).
    virtual void Notified(WORD code);
    // Enter while the control has the focus: a push button is clicked (true);
    // other controls leave it to the dialog's default button (false).
    virtual bool Press();

    // The control's own visible flag, whether or not its dialog is shown.
    bool VisibleFlag() const;
    // Shown without activating anything, or hidden.
    void SetVisibleFlag(bool visible);
    void SetText(std::wstring_view text);
    // The font is borrowed: its owner keeps it while the control exists.
    void SetFont(HFONT font);
    // Pixels in the parent's client area.
    void Place(int left, int top, int width, int height);
    // The outer size in pixels.
    SIZE Size() const;

protected:
    // Creates a visible child of a system class with the given extra styles,
    // child id and no size yet; the dialog places it later.
    bool Create(const wchar_t* className, std::wstring_view caption, DWORD style, HWND parent, int id);

private:
    HWND hwnd_ = nullptr;
};

class PushButton : public Control {
public:
    // isDefault gives the default button's heavy frame.
    bool Create(std::wstring_view caption, HWND parent, int id, bool isDefault = false);
    void Click();
    std::function<void()> OnClick;

    void Notified(WORD code) override;
    bool Press() override;
};

class CheckBox : public Control {
public:
    bool Create(std::wstring_view caption, HWND parent, int id);
    bool Checked() const;
};

// Read-only text on several lines.
class TextBox : public Control {
public:
    bool Create(HWND parent, int id);
};

// One text that breaks between words; "&" is shown as it is.
class Label : public Control {
public:
    bool Create(std::wstring_view caption, HWND parent, int id);
};

} // namespace morvane::win32
