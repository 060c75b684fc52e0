#include "paint.h"

#include "colours.h"
#include "controls.h"
#include "rules.h"
#include "startup_trace.h"
#include "wide_text.h"

namespace trimwise {
namespace {

// Where the picture ends, should the window ever be larger, the ground colour shows; with
// high contrast on, no picture lies behind the texts.
void drawBackground(HDC dc, const RECT& client, const BackgroundPicture& background,
                    const FormColours& colours, HBRUSH ground, int dpi) {
    FillRect(dc, &client, ground);
    if (colours.backgroundPicture) {
        background.draw(dc, dpi);
    }
}

void drawLabel(HDC dc, const ControlSpec& label, const Appearance& appearance,
               const FormColours& colours, HBRUSH ground) {
    RECT box = RectOf(label, appearance.dpi());
    if (label.opaque) {
        FillRect(dc, &box, ground);
    }
    const Selection font(dc, appearance.fonts()[label.font]);
    SetTextColor(dc, ToColorRef(colours.text(label.colour)));
    const std::wstring text = Widen(label.text);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_WORDBREAK | DT_NOPREFIX | (label.centred ? DT_CENTER : DT_LEFT));
}

// The picture with its own transparency, its colours premultiplied by it.
void drawBlended(HDC dc, HBITMAP picture, int x, int y) {
    BITMAP size{};
    if (picture == nullptr || GetObjectW(picture, sizeof size, &size) == 0) {
        return;
    }
    const MemoryDc source(CreateCompatibleDC(dc));
    const Selection selected(source.get(), picture);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, x, y, size.bmWidth, size.bmHeight, source.get(), 0, 0, size.bmWidth,
                  size.bmHeight, blend);
}

} // namespace

void PaintForm(HWND form, Appearance& appearance, const BackgroundPicture& background,
               const FormColours& colours, const Pixels& dove) {
    const Painting screen(form);
    RECT client{};
    GetClientRect(form, &client);
    const MemoryDc buffer(CreateCompatibleDC(screen.get()));
    const Bitmap canvas(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
    const Selection selected(buffer.get(), canvas.get());
    // One brush for the ground, behind the picture and the opaque labels alike.
    const Brush ground(CreateSolidBrush(ToColorRef(colours.ground)));
    drawBackground(buffer.get(), client, background, colours, ground.get(), appearance.dpi());
    MarkPhase("paint: background");
    SetBkMode(buffer.get(), TRANSPARENT);
    for (const ControlSpec* control : BackToFront()) {
        if (TakesFocus(*control)) {
            continue; // a window of its own, in front of all the form paints
        }
        if (control->kind == ControlKind::Image) {
            const RECT box = RectOf(*control, appearance.dpi());
            drawBlended(buffer.get(), appearance.dove(dove), box.left, box.top);
        } else {
            drawLabel(buffer.get(), *control, appearance, colours, ground.get());
        }
    }
    MarkPhase("paint: labels and dove");
    const RECT& dirty = screen.dirty();
    BitBlt(screen.get(), dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
           buffer.get(), dirty.left, dirty.top, SRCCOPY);
}

} // namespace trimwise
