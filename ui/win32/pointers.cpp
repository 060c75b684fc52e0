#include "pointers.h"

#include "controls.h"
#include "embedded_files.h"
#include "picture_files.h"
#include "pixels.h"
#include "rules.h"

#include <cstring>
#include <optional>
#include <span>
#include <vector>

namespace trimwise {
namespace {

using Bytes = std::span<const std::byte>;

std::size_t readLe(Bytes bytes, std::size_t offset, std::size_t size) {
    std::size_t value = 0;
    for (std::size_t i = size; i-- > 0;) {
        value = (value << 8U) | std::to_integer<std::size_t>(bytes[offset + i]);
    }
    return value;
}

// The image of the icon file's entry of that side, if it has one: a bitmap header and its
// bits, as a cursor resource holds them after its hot spot.
std::optional<Bytes> iconImage(Bytes file, std::size_t side) {
    constexpr std::size_t kHeaderSize = 6;
    constexpr std::size_t kEntrySize = 16;
    if (file.size() < kHeaderSize || readLe(file, 2, 2) != 1) {
        return std::nullopt;
    }
    const std::size_t count = readLe(file, 4, 2);
    for (std::size_t at = kHeaderSize;
         at < kHeaderSize + count * kEntrySize && at + kEntrySize <= file.size();
         at += kEntrySize) {
        const std::size_t size = readLe(file, at + 8, 4);
        const std::size_t offset = readLe(file, at + 12, 4);
        if (readLe(file, at, 1) == side && offset <= file.size() && size <= file.size() - offset) {
            return file.subspan(offset, size);
        }
    }
    return std::nullopt;
}

// user32 makes the cursor of any size from the picture's 32 x 32 image, and scales the hot spot
// with it; Wine draws every pixel as an exact block at whole factors, Windows does not
// document how it stretches.
Cursor pointerCursor(Pointer pointer, int side) {
    const std::string_view name = PointerFile(pointer);
    const std::optional<Bytes> image =
        name.empty() ? std::nullopt : iconImage(EmbeddedFile(name), kPointerSize);
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
    }
    return cursor.get();
}

// Over the form and every pixel of its boxes and button, borders included, the design's
// pointer shows, chosen from where the mouse is now: the message that asks may be about an
// older position when the mouse jumped.
HCURSOR PointerCursors::over(HWND form, HWND window, UINT hitTest, int dpi) {
    if (window == form) {
        if (hitTest != HTCLIENT) {
            return nullptr;
        }
        POINT at{};
        GetCursorPos(&at);
        ScreenToClient(form, &at);
        return (*this)[ShownPointer(FrontMostAt(at.x, at.y, dpi))];
    }
    if (IsChild(form, window) != FALSE) {
        return (*this)[ShownPointer(RowOfWindow(window))];
    }
    return nullptr;
}

} // namespace trimwise
