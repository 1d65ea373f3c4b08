#pragma once
// The base of every window of the program. The object lives for the
// process; its window exists from Create (Load) until Unload, the user's
// closing or the system's ending destroys it. Geometry is in twips, turned
// into whole pixels (a half going to the even neighbour) at the scale in
// force (screen_metrics.h). A window has the scale in force when it is made,
// and its messages run with it in force. While no window exists, setters do
// nothing and getters give 0, false or nothing.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/screen_metrics.h"

namespace morvane::win32 {

class Timer;

// What a window's class and window are made of.
struct WindowDesign {
    const wchar_t* className = nullptr;  // registered on first use
    UINT classStyle = 0;
    HBRUSH background = nullptr;  // not owned: a stock brush or a system colour + 1
    HCURSOR cursor = nullptr;     // not owned; nullptr gives the arrow
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;  // the parent of a child window, the owner of a top-level one
    int childId = 0;        // control identifier of a child window
    const wchar_t* caption = L"";
    int left = 0;  // pixels
    int top = 0;
    int width = 0;
    int height = 0;
};

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hWnd() const { return hwnd_; }
    bool IsLoaded() const { return hwnd_ != nullptr; }
    // Destroys the window; the object stays and can be loaded again.
    void Unload();

    // The outer rectangle: in screen coordinates for a top-level window, in
    // the parent's client coordinates for a child window.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void SetLeft(double twips);
    void SetTop(double twips);
    void SetWidth(double twips);
    void SetHeight(double twips);
    void Move(double left, double top, double width, double height);
    // The client area.
    double ClientWidth() const;
    double ClientHeight() const;

    bool Visible() const;
    // Shows with ShowCommand(), hides with SW_HIDE.
    void SetVisible(bool visible);

    const std::wstring& Tag() const { return tag_; }
    void SetTag(std::wstring tag) { tag_ = std::move(tag); }

    // The icon of the caption and the task switcher; not owned by the window.
    HICON Icon() const;
    void SetIcon(HICON icon);

    // A window made by this class (any program window, not a system control).
    static bool IsProgramWindow(HWND window);

    // Called by the message loop before a message is dispatched; true when
    // the window has handled it (dialog keys, for example).
    virtual bool PreTranslateMessage(MSG& message);

protected:
    Window() = default;

    // Registers the class when it is not registered yet and creates the
    // window; the enabled timers start. False when the window already exists
    // or could not be made.
    bool Create(const WindowDesign& design);

    // Every message of the window. The base routes WM_TIMER to the window's
    // timers and a control's WM_COMMAND back to that control, takes the new
    // scale when the window moves to a monitor of another scale
    // (WM_DPICHANGED: moved where the system suggests, the client area kept
    // whole, then Rescaled) and leaves the rest to DefWindowProc; overrides
    // pass on what they do not handle.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The window's own scale (dots per inch; 0 for the system's), in force
    // for code that runs outside its messages.
    int Dpi() const { return dpi_; }
    ScopedScale InOwnScale() const { return ScopedScale(dpi_); }
    // Called with the new scale in force once the window has taken it: lays
    // the window out anew. The base does nothing more.
    virtual void Rescaled() {}

    // How SetVisible(true) shows the window.
    virtual int ShowCommand() const { return SW_SHOW; }

private:
    friend class Timer;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Destroyed();
    RECT OuterRect() const;  // pixels, in the coordinates of Left and Top
    SIZE FrameSize() const;  // outer minus client size, pixels
    void SetPixelBounds(int left, int top, int width, int height, UINT flags);

    HWND hwnd_ = nullptr;
    int dpi_ = 0;
    std::wstring tag_;
    std::vector<Timer*> timers_;
};

} // namespace morvane::win32
