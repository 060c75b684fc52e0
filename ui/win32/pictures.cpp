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

ApplicationIcons LoadApplicationIcons(HINSTANCE instance, int dpi) {
    const auto load = [instance](int size) {
        constexpr WORD kIconGroup = 1;
        return Icon(static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(kIconGroup), IMAGE_ICON, size, size, 0)));
    };
    return {load(SystemMetric(SM_CXICON, dpi)), load(SystemMetric(SM_CXSMICON, dpi))};
}

} // namespace trimwise
