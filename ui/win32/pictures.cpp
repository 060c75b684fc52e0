#include "pictures.h"

#include "embedded_files.h"
#include "geometry.h"
#include "picture_files.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace trimwise {
namespace {

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

} // namespace

BackgroundPicture::BackgroundPicture() {
    const std::optional<BitmapRows> bitmap = ReadBitmapFile(EmbeddedFile(kBackgroundPictureFile));
    if (!bitmap) {
        return;
    }
    BITMAPINFOHEADER& header = info_.bmiHeader;
    header.biSize = sizeof header;
    header.biWidth = bitmap->width;
    header.biHeight = bitmap->height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    rows_ = bitmap->rows.data();
}

void BackgroundPicture::draw(HDC dc, int dpi) const {
    if (rows_ == nullptr) {
        return;
    }
    const int width = info_.bmiHeader.biWidth;
    const int height = std::abs(info_.bmiHeader.biHeight);
    SetStretchBltMode(dc, dpi % kDesignDpi == 0 ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, 0, 0, ScaledSize(width, dpi), ScaledSize(height, dpi), 0, 0, width, height,
                  rows_, &info_, DIB_RGB_COLORS, SRCCOPY);
}

Pixels DovePixels() {
    return DecodeGifFirstFrame(EmbeddedFile(kDovePictureFile));
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
    const std::optional<std::span<const std::byte>> image =
        name.empty() ? std::nullopt : IconFileImage(EmbeddedFile(name), kPointerSize);
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
