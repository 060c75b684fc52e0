#include "appearance.h"

#include "geometry.h"
#include "pictures.h"
#include "startup_trace.h"

namespace trimwise {

Appearance::Appearance(int dpi) : dpi_(dpi), fonts_(dpi), cursors_(dpi) {}

HBITMAP Appearance::dove(const Pixels& decoded) {
    if (!dove_) {
        dove_ = ToBitmap(AtScale(decoded, dpi_));
        MarkPhase("paint: dove scaled");
    }
    return dove_.get();
}

} // namespace trimwise
