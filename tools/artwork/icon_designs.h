#pragma once

#include "icon_grid.h"

#include <vector>

namespace trimwise::artwork {

// The icon designs, each as its images from the largest (32 x 32) down.
[[nodiscard]] std::vector<IconImage> Airliner();
[[nodiscard]] std::vector<IconImage> LaughingFace();
[[nodiscard]] std::vector<IconImage> NeutralFace();
[[nodiscard]] std::vector<IconImage> SmilingFace();
[[nodiscard]] std::vector<IconImage> SadFace();
[[nodiscard]] std::vector<IconImage> PointingHand();
[[nodiscard]] std::vector<IconImage> Banana();
[[nodiscard]] std::vector<IconImage> WarningSign();

} // namespace trimwise::artwork
