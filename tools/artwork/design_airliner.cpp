#include "icon_designs.h"

namespace trimwise::artwork {

// Designs are kept one pixel row per line so that they can be read and edited as pictures.
// clang-format off

// An airliner flying to the right, seen from above and to one side; the swept wings and
// the fin are hatched so that they read as metal next to the white fuselage.
std::vector<IconImage> Airliner() {
    return {
        ParseIconGrid({
            ".........KKKKK..................",
            ".KKKK....KWDWK..................",
            ".KDWSK....KWSWK.................",
            ".KWSWK....KSWDWK................",
            ".KSWDK.....KDWSK................",
            ".KWDWSK....KWSWDK...............",
            ".KDWSWK....KSWDWSK..............",
            ".KWSWDK.....KDWSWK..............",
            ".KSWDWK.....KWSWDWK.............",
            ".KKKKKWK.....KWDWSWK............",
            ".KWWWWKKKKKK.KDWSWDK............",
            ".KWWWWWWNWWWKKKKKKKKK...........",
            ".KWWWWWWWWNWNWWWWKKKKKK.........",
            "..KKKWWWWWWWWWNWNWWWWWWKKKKKK...",
            "..KWSKKKKWWWWWWWWWWNWNWWWWWWBKK.",
            ".KWSWDWK.KKKKWWWWWWWWWWNWNWBBBK.",
            ".KSWDWK......KKKKKWWWWWWWWWWWBBK",
            ".KWDWK......KSWDWSKKKWWWWWWWWWWK",
            ".KDWSK......KWDWSWDKKKKKWWWWWWK.",
            "KKKKK......KWDWSWDK.....KKKWWKK.",
            "..........KWDWSWDK.........KK...",
            "..........KDWSWDK...............",
            ".........KDWSWDK................",
            "........KDWSWDK.................",
            "........KWSWDK..................",
            ".......KWSWDK...................",
            "......KWSWDK....................",
            "......KSWDK.....................",
            ".....KSWDK......................",
            "....KKKKK.......................",
            "................................",
            "................................",
        }),
        ParseIconGrid({
            "......KKK.......",
            "KK.....KSK......",
            "KSK....KWSK.....",
            "KWSK....KSWK....",
            "KSWKKKKKKKKKK...",
            ".KWWNWNWNWWWWKK.",
            ".KKWWWWWNWNWWBBK",
            "...KKKKKKKKWWWK.",
            ".......KSWKKKK..",
            "......KSWK......",
            ".....KWSK.......",
            "....KSWK........",
            "...KWDK.........",
            "..KKKK..........",
            "................",
            "................",
        }),
    };
}

// clang-format on

} // namespace trimwise::artwork
