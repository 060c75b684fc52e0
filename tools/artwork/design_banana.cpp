#include "icon_designs.h"

namespace trimwise::artwork {

// Designs are kept one pixel row per line so that they can be read and edited as pictures.
// clang-format off

// A banana curving from its stalk at the upper left down to the lower right.
std::vector<IconImage> Banana() {
    return {
        ParseIconGrid({
            "...KKKK.........................",
            "....KOOK........................",
            "....KOOK........................",
            "....KOOOK.......................",
            "....KYYYK.......................",
            "....KYYYYK......................",
            "....KYYYYK......................",
            "....KYYYKYK.....................",
            "....KYYYKYK.....................",
            "....KYYYYKYK....................",
            "....KYYYYKKYK...................",
            "....KYYYYYKYYK..................",
            "....KYYYYYYKYK..................",
            "....KYYYYYYYKYK.................",
            ".....KYYYYYYYKYKK...............",
            ".....KYYYYYYYYKYYK..............",
            ".....KYYYYYYYYYKYYK.............",
            "......KYYYYYYYYYKYYK............",
            ".......KYYYYYYYYYKKYKK..........",
            ".......KYYYYYYYYYYKKYYKK........",
            "........KYYYYYYYYYYYKKYYKK......",
            ".........KYYYYYYYYYYYYKKYYKKK...",
            "..........KYYYYYYYYYYYYYKKYYYK..",
            "...........KKYYYYYYYYYYYYYYYYK..",
            ".............KKYYYYYYYYYYYYYYK..",
            "...............KKKYYYYYYYYKKK...",
            "..................KKKKKKKK......",
            "................................",
            "................................",
            "................................",
            "................................",
            "................................",
        }),
        ParseIconGrid({
            "..KK............",
            "..KK............",
            "..KYK...........",
            "..KYK...........",
            "..KYKK..........",
            "..KYYKK.........",
            "..KYYYK.........",
            "..KYYYYKK.......",
            "...KYYYYKK......",
            "...KYYYYYKK.....",
            "....KYYYYYYKKK..",
            ".....KKYYYYYYYK.",
            ".......KKKYYKKK.",
            "..........KK....",
            "................",
            "................",
        }),
    };
}

// clang-format on

} // namespace trimwise::artwork
