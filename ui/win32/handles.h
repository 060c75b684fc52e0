#pragma once

#include <memory>
#include <type_traits>
#include <windows.h>

namespace trimwise {

// Owners of the few kinds of handle the window holds; each frees its handle once, by the call
// that the handle's kind asks for.
template <auto free> struct FreedBy {
    template <class Handle> void operator()(Handle handle) const noexcept { free(handle); }
};
template <class Handle, auto free>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, FreedBy<free>>;
using Font = Owned<HFONT, DeleteObject>;
using Brush = Owned<HBRUSH, DeleteObject>;
using Bitmap = Owned<HBITMAP, DeleteObject>;
using Icon = Owned<HICON, DestroyIcon>;
using Cursor = Owned<HCURSOR, DestroyCursor>;
using MemoryDc = Owned<HDC, DeleteDC>;
using Window = Owned<HWND, DestroyWindow>;

// Selects an object into a device context for one scope, and puts back what was there.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A window's device context, or the screen's for a null window, for one scope.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    [[nodiscard]] HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The device context of one WM_PAINT, from BeginPaint to EndPaint.
class Painting {
public:
    explicit Painting(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~Painting() { EndPaint(window_, &paint_); }
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;
    [[nodiscard]] HDC get() const noexcept { return dc_; }
    [[nodiscard]] const RECT& dirty() const noexcept { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

} // namespace trimwise
