#pragma once

#include "picture_names.h"

#include <cstddef>
#include <string_view>

namespace trimwise {

// The file names themselves, k<Name>File, come from assets/pictures.cmake.

// The picture of a pointer; empty for Pointer::None, where the window's pointer shows.
[[nodiscard]] constexpr std::string_view PointerFile(Pointer pointer) noexcept {
    return kPointerFiles[static_cast<std::size_t>(pointer)];
}

// Every pointer is the 32 x 32 image of its picture, aiming with its centre.
inline constexpr int kPointerSize = 32;
inline constexpr int kPointerHotSpot = kPointerSize / 2;

} // namespace trimwise
