#include "pictures.h"

#include "embedded_files.h"
#include "picture_files.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ocidl.h>
#include <olectl.h>
#include <optional>

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

// The bytes of the image of that side in an icon file, if it has one.
std::optional<Bytes> iconImage(Bytes file, int side) {
    constexpr std::size_t kHeaderSize = 6;
    constexpr std::size_t kEntrySize = 16;
    if (file.size() < kHeaderSize || readLe(file, 2, 2) != 1) {
        return std::nullopt;
    }
    const std::size_t count = readLe(file, 4, 2);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kHeaderSize + i * kEntrySize;
        if (at + kEntrySize > file.size()) {
            break;
        }
        const std::size_t size = readLe(file, at + 8, 4);
        const std::size_t offset = readLe(file, at + 12, 4);
        // A width byte of 0 stands for 256.
        const auto width = static_cast<int>(readLe(file, at, 1));
        if ((width == 0 ? 256 : width) == side && offset <= file.size() &&
            size <= file.size() - offset) {
            return file.subspan(offset, size);
        }
    }
    return std::nullopt;
}

// A top-down 32-bit DIB section and where its pixels lie.
Bitmap dibSection(int width, int height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return Bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

// The picture drawn on a plain colour, read back as pixels.
Pixels renderedOn(IPicture& picture, SIZE size, COLORREF ground) {
    void* bits = nullptr;
    const Bitmap canvas = dibSection(size.cx, size.cy, &bits);
    if (!canvas) {
        return {};
    }
    const MemoryDc dc(CreateCompatibleDC(nullptr));
    const Selection selected(dc.get(), canvas.get());
    const Brush brush(CreateSolidBrush(ground));
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(dc.get(), &all, brush.get());
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture.get_Width(&width);
    picture.get_Height(&height);
    // The source runs bottom-up in HIMETRIC, hence the start at the height and the negative
    // extent.
    picture.Render(dc.get(), 0, 0, size.cx, size.cy, 0, height, width, -height, nullptr);
    GdiFlush();
    Pixels pixels{size.cx, size.cy, {}};
    const auto* first = static_cast<const std::uint32_t*>(bits);
    pixels.argb.assign(first, first + static_cast<std::ptrdiff_t>(size.cx) * size.cy);
    return pixels;
}

} // namespace

Pixels BackgroundPixels() {
    const Bytes file = EmbeddedFile(kBackgroundPictureFile);
    constexpr std::size_t kFileHeaderSize = 14;
    if (file.size() < kFileHeaderSize + sizeof(BITMAPINFOHEADER) || readLe(file, 0, 2) != 0x4D42) {
        return {};
    }
    BITMAPINFOHEADER header{};
    std::memcpy(&header, file.data() + kFileHeaderSize, sizeof header);
    // Rows of 24-bit pixels without a palette, each padded to a multiple of four bytes.
    if (header.biBitCount != 24 || header.biCompression != BI_RGB || header.biWidth <= 0) {
        return {};
    }
    const int width = header.biWidth;
    const int height = std::abs(header.biHeight);
    const std::size_t stride = ((static_cast<std::size_t>(width) * 24 + 31) / 32) * 4;
    const std::size_t offset = readLe(file, 10, 4);
    if (offset + stride * static_cast<std::size_t>(height) > file.size()) {
        return {};
    }
    Pixels pixels{width, height,
                  std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        const int stored = header.biHeight > 0 ? height - 1 - y : y;
        const std::size_t row = offset + stride * static_cast<std::size_t>(stored);
        for (int x = 0; x < width; ++x) {
            pixels.argb[static_cast<std::size_t>(y) * width + x] =
                0xFF000000U | readLe(file, row + static_cast<std::size_t>(x) * 3, 3);
        }
    }
    return pixels;
}

Pixels DovePixels() {
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
    const ComPtr<IPicture> picture(static_cast<IPicture*>(rawPicture));
    // The GIF's own size, read from its logical screen.
    const SIZE size{static_cast<LONG>(readLe(file, 6, 2)), static_cast<LONG>(readLe(file, 8, 2))};
    // Drawn on black and on white, a transparent pixel takes the ground's colour and an opaque
    // one keeps its own: where the two differ, nothing was drawn.
    const Pixels onBlack = renderedOn(*picture, size, RGB(0, 0, 0));
    const Pixels onWhite = renderedOn(*picture, size, RGB(255, 255, 255));
    if (onBlack.argb.size() != onWhite.argb.size()) {
        return {};
    }
    Pixels dove = onBlack;
    for (std::size_t i = 0; i < dove.argb.size(); ++i) {
        const bool drawn = (onBlack.argb[i] & 0xFFFFFFU) == (onWhite.argb[i] & 0xFFFFFFU);
        dove.argb[i] = drawn ? 0xFF000000U | (onBlack.argb[i] & 0xFFFFFFU) : 0U;
    }
    return dove;
}

Bitmap ToBitmap(const Pixels& pixels) {
    void* bits = nullptr;
    Bitmap bitmap = dibSection(pixels.width, pixels.height, &bits);
    if (bitmap) {
        std::memcpy(bits, pixels.argb.data(), pixels.argb.size() * sizeof(std::uint32_t));
    }
    return bitmap;
}

Cursor PointerCursor(Pointer pointer, int factor) {
    const std::string_view name = PointerFile(pointer);
    const std::optional<Bytes> image =
        name.empty() ? std::nullopt : iconImage(EmbeddedFile(name), kPointerSize);
    const Pixels small = image ? DecodeIconImage(*image) : Pixels{};
    if (small.width != kPointerSize) {
        return {};
    }
    const int side = kPointerSize * factor;
    const Pixels large = ScaleArea(small, side, side);
    // The mask is set where nothing is drawn; the colour carries its own alpha as well.
    const auto maskStride = static_cast<std::size_t>((side + 15) / 16 * 2);
    std::vector<BYTE> mask(maskStride * static_cast<std::size_t>(side), 0);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            if (large.at(x, y) >> 24U == 0) {
                mask[static_cast<std::size_t>(y) * maskStride + static_cast<std::size_t>(x / 8)] |=
                    static_cast<BYTE>(0x80U >> static_cast<unsigned>(x % 8));
            }
        }
    }
    const Bitmap colour = ToBitmap(large);
    const Bitmap monochrome(CreateBitmap(side, side, 1, 1, mask.data()));
    ICONINFO info{};
    info.fIcon = FALSE;
    info.xHotspot = static_cast<DWORD>(kPointerHotSpot * factor);
    info.yHotspot = static_cast<DWORD>(kPointerHotSpot * factor);
    info.hbmMask = monochrome.get();
    info.hbmColor = colour.get();
    return Cursor(CreateIconIndirect(&info));
}

Icon ApplicationIcon(HINSTANCE instance, int size) {
    constexpr WORD kIconGroup = 1;
    return Icon(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(kIconGroup), IMAGE_ICON, size, size, 0)));
}

} // namespace trimwise
