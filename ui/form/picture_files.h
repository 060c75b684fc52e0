#pragma once

#include "layout_table.h"
#include "picture_names.h"

#include <string_view>

namespace trimwise {

// The file names themselves, k<Name>File, come from assets/pictures.cmake.

// The picture of a pointer; empty for Pointer::None, where the window's pointer shows.
[[nodiscard]] constexpr std::string_view PointerFile(Pointer pointer) noexcept {
    switch (pointer) {
    case Pointer::LaughingFace:
        return kLaughingFacePointerFile;
    case Pointer::Hand:
        return kHandPointerFile;
    case Pointer::NeutralFace:
        return kNeutralFacePointerFile;
    case Pointer::Banana:
        return kBananaPointerFile;
    case Pointer::SadFace:
        return kSadFacePointerFile;
    case Pointer::Warning:
        return kWarningPointerFile;
    case Pointer::SmilingFace:
        return kSmilingFacePointerFile;
    case Pointer::None:
        break;
    }
    return {};
}

// Every pointer is the 32 x 32 image of its picture, aiming with its centre.
inline constexpr int kPointerSize = 32;
inline constexpr int kPointerHotSpot = kPointerSize / 2;

} // namespace trimwise
