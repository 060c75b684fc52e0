#include "pictures.h"

#include "embedded_files.h"
#include "picture_files.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace trimwise {
namespace {

using Bytes = std::span<const std::byte>;

std::uint32_t readLe(Bytes bytes, std::size_t offset, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) {
        value = (value << 8U) | std::to_integer<std::uint32_t>(bytes[offset + i]);
    }
    return value;
}

// Each image in an icon file: width, height, byte count and offset in its directory.
struct IconEntry {
    int width;
    int height;
    std::size_t size;
    std::size_t offset;
};

constexpr std::size_t kIconHeaderSize = 6;
constexpr std::size_t kIconEntrySize = 16;

std::vector<IconEntry> iconEntries(Bytes file) {
    std::vector<IconEntry> entries;
    if (file.size() < kIconHeaderSize || readLe(file, 2, 2) != 1) {
        return entries;
    }
    const std::size_t count = readLe(file, 4, 2);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kIconHeaderSize + i * kIconEntrySize;
        if (at + kIconEntrySize > file.size()) {
            break;
        }
        // A size byte of 0 stands for 256.
        const auto side = [&](std::size_t offset) {
            const std::uint32_t value = readLe(file, at + offset, 1);
            return value == 0 ? 256 : static_cast<int>(value);
        };
        const IconEntry entry{side(0), side(1), readLe(file, at + 8, 4), readLe(file, at + 12, 4)};
        if (entry.offset + entry.size <= file.size()) {
            entries.push_back(entry);
        }
    }
    return entries;
}

} // namespace

Bitmap BackgroundBitmap() {
    const Bytes file = EmbeddedFile(kBackgroundPictureFile);
    constexpr std::size_t kFileHeaderSize = 14;
    if (file.size() < kFileHeaderSize + sizeof(BITMAPINFOHEADER) || readLe(file, 0, 2) != 0x4D42) {
        return {};
    }
    BITMAPINFO info{};
    std::memcpy(&info.bmiHeader, file.data() + kFileHeaderSize, sizeof(BITMAPINFOHEADER));
    const BITMAPINFOHEADER& header = info.bmiHeader;
    // Rows of 24-bit pixels without a palette, each padded to a multiple of four bytes.
    if (header.biBitCount != 24 || header.biCompression != BI_RGB || header.biWidth <= 0) {
        return {};
    }
    const std::size_t stride = ((static_cast<std::size_t>(header.biWidth) * 24 + 31) / 32) * 4;
    const std::size_t rows = static_cast<std::size_t>(std::abs(header.biHeight));
    const std::size_t offset = readLe(file, 10, 4);
    if (offset + stride * rows > file.size()) {
        return {};
    }
    void* pixels = nullptr;
    Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (bitmap) {
        std::memcpy(pixels, file.data() + offset, stride * rows);
    }
    return bitmap;
}

DovePicture LoadDove() {
    const Bytes file = EmbeddedFile(kDovePictureFile);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, file.size());
    if (memory == nullptr) {
        return {};
    }
    std::memcpy(GlobalLock(memory), file.data(), file.size());
    GlobalUnlock(memory);
    IStream* rawStream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &rawStream))) {
        GlobalFree(memory);
        return {};
    }
    const ComPtr<IStream> stream(rawStream);
    void* rawPicture = nullptr;
    if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(file.size()), FALSE,
                              __uuidof(IPicture), &rawPicture))) {
        return {};
    }
    DovePicture dove{ComPtr<IPicture>(static_cast<IPicture*>(rawPicture)), {}};
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    dove.picture->get_Width(&width);
    dove.picture->get_Height(&height);
    // The picture keeps its size in hundredths of a millimetre, worked out from the screen's
    // pixels per inch; this turns it back.
    const WindowDc screen(nullptr);
    constexpr int kHimetricPerInch = 2540;
    dove.size.cx = MulDiv(width, GetDeviceCaps(screen.get(), LOGPIXELSX), kHimetricPerInch);
    dove.size.cy = MulDiv(height, GetDeviceCaps(screen.get(), LOGPIXELSY), kHimetricPerInch);
    return dove;
}

void DrawDove(HDC dc, const DovePicture& dove, int x, int y) {
    if (!dove.picture) {
        return;
    }
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    dove.picture->get_Width(&width);
    dove.picture->get_Height(&height);
    // The source runs bottom-up in HIMETRIC, hence the start at the height and the negative
    // extent.
    dove.picture->Render(dc, x, y, dove.size.cx, dove.size.cy, 0, height, width, -height, nullptr);
}

Cursor PointerCursor(Pointer pointer) {
    const std::string_view name = PointerFile(pointer);
    if (name.empty()) {
        return {};
    }
    const Bytes file = EmbeddedFile(name);
    for (const IconEntry& entry : iconEntries(file)) {
        if (entry.width != kPointerSize || entry.height != kPointerSize) {
            continue;
        }
        // A cursor resource is the icon image behind its hot spot, two 16-bit words.
        std::vector<BYTE> resource(4 + entry.size);
        const auto hotSpot = static_cast<WORD>(kPointerHotSpot);
        std::memcpy(resource.data(), &hotSpot, sizeof hotSpot);
        std::memcpy(resource.data() + 2, &hotSpot, sizeof hotSpot);
        std::memcpy(resource.data() + 4, file.data() + entry.offset, entry.size);
        constexpr DWORD kResourceFormat = 0x00030000;
        return Cursor(CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()),
                                               FALSE, kResourceFormat, kPointerSize, kPointerSize,
                                               LR_DEFAULTCOLOR));
    }
    return {};
}

Icon ApplicationIcon(HINSTANCE instance, int size) {
    constexpr WORD kIconGroup = 1;
    return Icon(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(kIconGroup), IMAGE_ICON, size, size, 0)));
}

} // namespace trimwise
