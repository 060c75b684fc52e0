#include "icon_designs.h"

namespace trimwise::artwork {

// Designs are kept one pixel row per line so that they can be read and edited as pictures.
// clang-format off

// A red warning triangle with a white exclamation mark.
std::vector<IconImage> WarningSign() {
    return {
        ParseIconGrid({
            "................................",
            "................................",
            "...............RR...............",
            "...............RR...............",
            "..............RRRR..............",
            "..............RRRR..............",
            ".............RRRRRR.............",
            "............RRRRRRRR............",
            "............RRRRRRRR............",
            "...........RRRWWWWRRR...........",
            "...........RRRWWWWRRR...........",
            "..........RRRRWWWWRRRR..........",
            "..........RRRRWWWWRRRR..........",
            ".........RRRRRWWWWRRRRR.........",
            ".........RRRRRWWWWRRRRR.........",
            "........RRRRRRWWWWRRRRRR........",
            "........RRRRRRWWWWRRRRRR........",
            ".......RRRRRRRWWWWRRRRRRR.......",
            "......RRRRRRRRWWWWRRRRRRRR......",
            "......RRRRRRRRRWWRRRRRRRRR......",
            ".....RRRRRRRRRRWWRRRRRRRRRR.....",
            ".....RRRRRRRRRRRRRRRRRRRRRR.....",
            "....RRRRRRRRRRRRRRRRRRRRRRRR....",
            "....RRRRRRRRRRWWWWRRRRRRRRRR....",
            "...RRRRRRRRRRRWWWWRRRRRRRRRRR...",
            "...RRRRRRRRRRRWWWWRRRRRRRRRRR...",
            "..RRRRRRRRRRRRWWWWRRRRRRRRRRRR..",
            ".RRRRRRRRRRRRRRRRRRRRRRRRRRRRRR.",
            ".RRRRRRRRRRRRRRRRRRRRRRRRRRRRRR.",
            "................................",
            "................................",
            "................................",
        }),
        ParseIconGrid({
            "................",
            ".......RR.......",
            ".......RR.......",
            "......RRRR......",
            "......RWWR......",
            ".....RRWWRR.....",
            ".....RRWWRR.....",
            "....RRRWWRRR....",
            "....RRRWWRRR....",
            "...RRRRWWRRRR...",
            "...RRRRWWRRRR...",
            "..RRRRRRRRRRRR..",
            ".RRRRRRWWRRRRRR.",
            ".RRRRRRRRRRRRRR.",
            "RRRRRRRRRRRRRRRR",
            "................",
        }),
    };
}

// clang-format on

} // namespace trimwise::artwork
