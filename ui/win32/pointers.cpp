#include "pointers.h"

#include "controls.h"
#include "embedded_files.h"
#include "picture_files.h"
#include "pixels.h"
#include "rules.h"
#include "startup_trace.h"

#include <cstring>
#include <optional>
#include <span>
#include <vector>

namespace trimwise {
namespace {

// user32 makes the cursor of any size from the picture's 32 x 32 image, and scales the hot spot
// with it; Wine draws every pixel as an exact block at whole factors, Windows does not
// document how it stretches.
Cursor pointerCursor(Pointer pointer, int side) {
    const std::string_view name = PointerFile(pointer);
    const std::optional<std::span<const std::byte>> image =
        name.empty() ? std::nullopt : IconFileImage(EmbeddedFile(name), kPointerSize);
    if (!image) {
        return {};
    }
    // A cursor resource: the hot spot in the image's pixels, then the image.
    const std::array<WORD, 2> hotSpot{kPointerHotSpot, kPointerHotSpot};
    std::vector<BYTE> resource(sizeof hotSpot + image->size());
    std::memcpy(resource.data(), hotSpot.data(), sizeof hotSpot);
    std::memcpy(resource.data() + sizeof hotSpot, image->data(), image->size());
    constexpr DWORD kIconFormat = 0x00030000;
    return Cursor(CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()),
                                           FALSE, kIconFormat, side, side, LR_DEFAULTCOLOR));
}

} // namespace

PointerCursors::PointerCursors(int dpi) noexcept : side_(ScaledSize(kPointerSize, dpi)) {}

HCURSOR PointerCursors::operator[](Pointer pointer) {
    if (pointer == Pointer::None) {
        pointer = kForm1.pointer;
    }
    Cursor& cursor = cursors_[static_cast<std::size_t>(pointer)];
    if (!cursor) {
        cursor = pointerCursor(pointer, side_);
        MarkPhase("pointer made");
    }
    return cursor.get();
}

// Over the form and every pixel of its boxes and button, borders included, the design's
// pointer shows, chosen from where the mouse is now: the message that asks may be about an
// older position when the mouse jumped.
std::optional<Pointer> PointerOver(HWND form, HWND window, UINT hitTest, int dpi) {
    if (window == form) {
        if (hitTest != HTCLIENT) {
            return std::nullopt;
        }
        POINT at{};
        GetCursorPos(&at);
        ScreenToClient(form, &at);
        return ShownPointer(FrontMostAt(at.x, at.y, dpi));
    }
    if (IsChild(form, window) != FALSE) {
        return ShownPointer(RowOfWindow(window));
    }
    return std::nullopt;
}

} // namespace trimwise
