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

// The header of 32-bit pixels in rows from the top, the layout of Pixels.
BITMAPINFO topDown(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A top-down 32-bit DIB section and where its pixels lie.
Bitmap dibSection(int width, int height, void** bits) {
    const BITMAPINFO info = topDown(width, height);
    return Bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

// A plain 24-bit bitmap's rows as opaque pixels from the top, for scaling.
Pixels opaquePixels(int width, int height, const std::byte* rows) {
    const auto columns = static_cast<std::size_t>(width);
    const std::size_t stride = (columns * 3 + 3) / 4 * 4;
    Pixels pixels{width, std::abs(height), {}};
    pixels.argb.resize(columns * static_cast<std::size_t>(pixels.height));
    std::uint32_t* out = pixels.argb.data();
    for (int y = 0; y < pixels.height; ++y) {
        const std::byte* row =
            rows + stride * static_cast<std::size_t>(height > 0 ? pixels.height - 1 - y : y);
        for (std::size_t x = 0; x < columns; ++x, row += 3) {
            *out++ = 0xFF000000U | std::to_integer<std::uint32_t>(row[2]) << 16U |
                     std::to_integer<std::uint32_t>(row[1]) << 8U |
                     std::to_integer<std::uint32_t>(row[0]);
        }
    }
    return pixels;
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
    if (dpi % kDesignDpi == 0) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchDIBits(dc, 0, 0, ScaledSize(width, dpi), ScaledSize(height, dpi), 0, 0, width,
                      height, rows_, &info_, DIB_RGB_COLORS, SRCCOPY);
        return;
    }
    // In between, the program's own area average, as the dove's: GDI's HALFTONE mode does the
    // same on Windows, but under Wine it takes several times as long.
    const Pixels scaled = ScaleArea(opaquePixels(width, info_.bmiHeader.biHeight, rows_),
                                    ScaledSize(width, dpi), ScaledSize(height, dpi));
    const BITMAPINFO info = topDown(scaled.width, scaled.height);
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(scaled.width), static_cast<DWORD>(scaled.height),
                      0, 0, 0, static_cast<UINT>(scaled.height), scaled.argb.data(), &info,
                      DIB_RGB_COLORS);
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
