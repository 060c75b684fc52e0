#include "pictures.h"

#include "dpi.h"
#include "embedded_files.h"
#include "geometry.h"
#include "picture_files.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace trimwise {
namespace {

// The header of uncompressed pixels in rows from the bottom up, or from the top down for a
// negative height.
BITMAPINFO infoOf(int width, int height, WORD bitsPerPixel) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The header of 32-bit pixels in rows from the top, the layout of Pixels.
BITMAPINFO topDown(int width, int height) {
    return infoOf(width, -height, 32);
}

} // namespace

BackgroundPicture::BackgroundPicture() {
    const std::optional<BitmapRows> bitmap = ReadBitmapFile(EmbeddedFile(kBackgroundPictureFile));
    if (!bitmap) {
        return;
    }
    bitmap_ = *bitmap;
    info_ = infoOf(bitmap->width, bitmap->height, 24);
}

void BackgroundPicture::draw(HDC dc, int dpi) const {
    if (bitmap_.rows.empty()) {
        return;
    }
    const int width = bitmap_.width;
    const int height = std::abs(bitmap_.height);
    if (dpi % kDesignDpi == 0) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchDIBits(dc, 0, 0, ScaledSize(width, dpi), ScaledSize(height, dpi), 0, 0, width,
                      height, bitmap_.rows.data(), &info_, DIB_RGB_COLORS, SRCCOPY);
        return;
    }
    // In between, the program's own area average, as the dove's: GDI's HALFTONE mode does the
    // same on Windows, but under Wine it takes several times as long.
    const Pixels scaled = AtScale(BitmapPixels(bitmap_), dpi);
    const BITMAPINFO info = topDown(scaled.width, scaled.height);
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(scaled.width), static_cast<DWORD>(scaled.height),
                      0, 0, 0, static_cast<UINT>(scaled.height), scaled.argb.data(), &info,
                      DIB_RGB_COLORS);
}

Pixels AtScale(const Pixels& picture, int dpi) {
    if (dpi == kDesignDpi) {
        return picture;
    }
    return ScaleArea(picture, ScaledSize(picture.width, dpi), ScaledSize(picture.height, dpi));
}

Pixels DovePixels() {
    return DecodeGifFirstFrame(EmbeddedFile(kDovePictureFile));
}

Bitmap ToBitmap(const Pixels& pixels) {
    const BITMAPINFO info = topDown(pixels.width, pixels.height);
    void* bits = nullptr;
    Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap) {
        std::memcpy(bits, pixels.argb.data(), pixels.argb.size() * sizeof(std::uint32_t));
    }
    return bitmap;
}

ApplicationIcons LoadApplicationIcons(HINSTANCE instance, int dpi) {
    const auto load = [instance](int size) {
        constexpr WORD kIconGroup = 1;
        return Icon(static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(kIconGroup), IMAGE_ICON, size, size, 0)));
    };
    return {load(SystemMetric(SM_CXICON, dpi)), load(SystemMetric(SM_CXSMICON, dpi))};
}

} // namespace trimwise
