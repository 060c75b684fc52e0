#include "dove_pose.h"

namespace trimwise::artwork {

const std::array<DovePose, kDoveFrameCount>& DoveWingbeat() {
    // Raised and coming forward (0-2), sweeping down (3-4), spread level with the near tip
    // at the right edge (5-9), rising (10-11), then high and back with the tips in the
    // top-left corner (12-17), which leads into frame 0 again.
    static const std::array<DovePose, kDoveFrameCount> kWingbeat{{
        {{118, 74}, {128, 70}, 0.0},
        {{110, 70}, {124, 68}, 0.5},
        {{98, 66}, {118, 64}, 1.0},
        {{62, 60}, {140, 58}, 1.5},
        {{28, 62}, {158, 58}, 2.0},
        {{4, 64}, {172, 60}, 2.0},
        {{-2, 65}, {176, 62}, 1.5},
        {{-6, 66}, {180, 62}, 1.0},
        {{-3, 65}, {177, 62}, 0.5},
        {{3, 64}, {172, 60}, 0.0},
        {{36, 60}, {158, 58}, -0.5},
        {{84, 62}, {140, 60}, -1.0},
        {{128, 76}, {138, 72}, -1.0},
        {{136, 82}, {143, 76}, -1.0},
        {{141, 86}, {147, 78}, -0.5},
        {{142, 86}, {148, 78}, -0.5},
        {{138, 82}, {144, 76}, 0.0},
        {{128, 78}, {136, 73}, 0.0},
    }};
    return kWingbeat;
}

} // namespace trimwise::artwork
