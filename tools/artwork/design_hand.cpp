#include "icon_designs.h"

namespace trimwise::artwork {

// Designs are kept one pixel row per line so that they can be read and edited as pictures.
// clang-format off

// A gloved hand pointing to the left, with its cuff at the right edge.
std::vector<IconImage> PointingHand() {
    return {
        ParseIconGrid({
            "................................",
            "................................",
            "................................",
            "................................",
            ".............KKKKKKK............",
            "...........KKWWWWWWWKK..KKKKKKKK",
            "...........KWWWWWWWWWK..KAAAKKKK",
            "...........KSSSSSSSSSKKKKAAAKKKK",
            ".KKKKKKKKKKKKKKKKKKKKWWKKAAAKKKK",
            "KWWWWWWWWWWWWWWWWWKWWWWWKAAAKKKK",
            "KWWWWWWWWWWWWWWWWWKWWWWWKAAAKKKK",
            "KSSSSSSSSSSSSSSSSSKWWWWWKAAAKKKK",
            ".KKKKKKKKKKKKKKKKKWWWWWWKAAAKKKK",
            ".......KWWWWWWWWKKWWWWWWKAAAKKKK",
            "......KWWWWWWWWWWKWWWWWWKAAAKKKK",
            ".......KSSSSSSSSSKWWWWWWKAAAKKKK",
            ".......KKKKKKKKKKWWWWWWWKAAAKKKK",
            "........KWWWWWWWKKWWWWWWKAAAKKKK",
            ".......KWWWWWWWWWKWWWWWWKAAAKKKK",
            "........KSSSSSSSSKSSSSSWKAAAKKKK",
            "........KKKKKKKKKSSSSSSWKAAAKKKK",
            ".........KWWWWWWKKSSSSSWKAAAKKKK",
            "........KWWWWWWWWKSSSSSWKAAAKKKK",
            ".........KSSSSSSSKSSSSSKKAAAKKKK",
            ".........KKKKKKKKKSSSKKKKAAAKKKK",
            "..................KKK...KAAAKKKK",
            "........................KKKKKKKK",
            "................................",
            "................................",
            "................................",
            "................................",
            "................................",
        }),
        ParseIconGrid({
            "................",
            "................",
            "......KKKKK...KK",
            "......KSSSK.KKKK",
            "KKKKKKKKKKWKKAKK",
            "KSSSSSSSKWWWKAKK",
            ".KKKKKKKKWWWKAKK",
            "...KSSSSKWWWKAKK",
            "....KKKKKWWWKAKK",
            "....KSSSKWWWKAKK",
            ".....KKKKSSSKAKK",
            "....KSSSKSSKKAKK",
            ".....KKKKKK.KAKK",
            "............KKKK",
            "................",
            "................",
        }),
    };
}

// clang-format on

} // namespace trimwise::artwork
