#pragma once
// Move-only owners of Win32 handles: each releases its handle exactly once,
// on every path. Copying one does not compile.
#include <windows.h>

#include <utility>

namespace morvane::win32 {

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    // For APIs that fill a handle: releases the current one first.
    Handle* put() {
        reset();
        return &handle_;
    }
    [[nodiscard]] Handle release() { return std::exchange(handle_, Handle{}); }
    void reset(Handle handle = Handle{}) {
        if (handle_ != Handle{}) Traits::Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_{};
};

struct HkeyTraits {
    using Handle = HKEY;
    static void Close(HKEY h) { RegCloseKey(h); }
};
struct GdiObjectTraits {  // bitmaps, regions, brushes, fonts, pens
    using Handle = HGDIOBJ;
    static void Close(HGDIOBJ h) { DeleteObject(h); }
};
struct MemoryDcTraits {
    using Handle = HDC;
    static void Close(HDC h) { DeleteDC(h); }
};
struct CursorTraits {  // cursors loaded from files or created; never shared ones
    using Handle = HCURSOR;
    static void Close(HCURSOR h) { DestroyCursor(h); }
};
struct IconTraits {
    using Handle = HICON;
    static void Close(HICON h) { DestroyIcon(h); }
};
struct MenuTraits {  // a menu no window or parent menu holds yet
    using Handle = HMENU;
    static void Close(HMENU h) { DestroyMenu(h); }
};
struct GlobalTraits {
    using Handle = HGLOBAL;
    static void Close(HGLOBAL h) { GlobalFree(h); }
};
struct ModuleTraits {  // libraries loaded with LoadLibrary
    using Handle = HMODULE;
    static void Close(HMODULE h) { FreeLibrary(h); }
};
struct KernelHandleTraits {  // mutexes, events, processes
    using Handle = HANDLE;
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct HookTraits {  // hooks of SetWindowsHookEx
    using Handle = HHOOK;
    static void Close(HHOOK h) { UnhookWindowsHookEx(h); }
};
struct WinEventHookTraits {
    using Handle = HWINEVENTHOOK;
    static void Close(HWINEVENTHOOK h) { UnhookWinEvent(h); }
};

using UniqueHkey = UniqueHandle<HkeyTraits>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueCursor = UniqueHandle<CursorTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueGlobal = UniqueHandle<GlobalTraits>;
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueHook = UniqueHandle<HookTraits>;
using UniqueWinEventHook = UniqueHandle<WinEventHookTraits>;

// A GDI object of a known type (HBITMAP, HRGN, HFONT, HBRUSH).
template <typename T>
class UniqueGdi {
public:
    UniqueGdi() = default;
    explicit UniqueGdi(T object) : owner_(object) {}
    T get() const { return static_cast<T>(owner_.get()); }
    explicit operator bool() const { return static_cast<bool>(owner_); }
    [[nodiscard]] T release() { return static_cast<T>(owner_.release()); }
    void reset(T object = nullptr) { owner_.reset(object); }

private:
    UniqueHandle<GdiObjectTraits> owner_;
};

using UniqueBitmap = UniqueGdi<HBITMAP>;
using UniqueRegion = UniqueGdi<HRGN>;
using UniqueFont = UniqueGdi<HFONT>;
using UniqueBrush = UniqueGdi<HBRUSH>;

// A window's device context from GetDC or GetWindowDC, given back by ReleaseDC.
class WindowDc {
public:
    static WindowDc Client(HWND window) { return WindowDc(window, GetDC(window)); }
    static WindowDc Whole(HWND window) { return WindowDc(window, GetWindowDC(window)); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc(WindowDc&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&&) = delete;
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    WindowDc(HWND window, HDC dc) : window_(window), dc_(dc) {}
    HWND window_;
    HDC dc_;
};

// Selects an object into a device context and puts the previous one back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace morvane::win32
