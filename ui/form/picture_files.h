#pragma once

#include "layout_table.h"

#include <string_view>

namespace trimwise {

// The file names of the pictures built into the program, as they lie in assets/.
inline constexpr std::string_view kBackgroundPictureFile = "BackgroundPicture.bmp";
inline constexpr std::string_view kDovePictureFile = "DovePicture.gif";
inline constexpr std::string_view kWindowIconFile = "WindowIcon.ico";

// The picture of a pointer; empty for Pointer::None, where the window's pointer shows.
[[nodiscard]] constexpr std::string_view PointerFile(Pointer pointer) noexcept {
    switch (pointer) {
    case Pointer::LaughingFace:
        return "LaughingFacePointer.ico";
    case Pointer::Hand:
        return "HandPointer.ico";
    case Pointer::NeutralFace:
        return "NeutralFacePointer.ico";
    case Pointer::Banana:
        return "BananaPointer.ico";
    case Pointer::SadFace:
        return "SadFacePointer.ico";
    case Pointer::Warning:
        return "WarningPointer.ico";
    case Pointer::SmilingFace:
        return "SmilingFacePointer.ico";
    case Pointer::None:
        break;
    }
    return {};
}

// Every pointer is the 32 x 32 image of its picture, aiming with its centre.
inline constexpr int kPointerSize = 32;
inline constexpr int kPointerHotSpot = kPointerSize / 2;

} // namespace trimwise
