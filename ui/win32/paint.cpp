#include "paint.h"

#include "colours.h"
#include "controls.h"
#include "rules.h"
#include "wide_text.h"

namespace trimwise {
namespace {

void drawBackground(HDC dc, const RECT& client, HBITMAP background) {
    // Where the picture ends, should the window ever be larger, the face colour shows.
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    BITMAP size{};
    if (background == nullptr || GetObjectW(background, sizeof size, &size) == 0) {
        return;
    }
    const MemoryDc source(CreateCompatibleDC(dc));
    const Selection selected(source.get(), background);
    BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source.get(), 0, 0, SRCCOPY);
}

void drawLabel(HDC dc, const ControlSpec& label, const Fonts& fonts) {
    RECT box = RectOf(label);
    if (label.opaque) {
        FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
    }
    const Selection font(dc, fonts[label.font]);
    SetTextColor(dc, ColourOf(label.colour));
    const std::wstring text = Widen(label.text);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_WORDBREAK | DT_NOPREFIX | (label.centred ? DT_CENTER : DT_LEFT));
}

void drawSurface(HDC dc, const RECT& client, const Surface& surface) {
    drawBackground(dc, client, surface.background);
    SetBkMode(dc, TRANSPARENT);
    for (const ControlSpec* control : BackToFront()) {
        if (TakesFocus(*control)) {
            continue; // a window of its own, in front of all the form paints
        }
        if (control->kind == ControlKind::Image) {
            const PixelBox box = BoxInPixels(*control);
            DrawDove(dc, surface.dove, box.left, box.top);
        } else {
            drawLabel(dc, *control, surface.fonts);
        }
    }
}

} // namespace

void PaintForm(HWND form, const Surface& surface) {
    const Painting screen(form);
    RECT client{};
    GetClientRect(form, &client);
    const MemoryDc buffer(CreateCompatibleDC(screen.get()));
    const Bitmap canvas(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
    const Selection selected(buffer.get(), canvas.get());
    drawSurface(buffer.get(), client, surface);
    const RECT& dirty = screen.dirty();
    BitBlt(screen.get(), dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
           buffer.get(), dirty.left, dirty.top, SRCCOPY);
}

} // namespace trimwise
