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

namespace {

// The faces share everything but the mouth: rows 15 to 26 of the large image and rows 8 to
// 13 of the small one, which each face redraws.
constexpr int kLargeMouthRow = 15;
constexpr int kSmallMouthRow = 8;

IconImage LargeFace() {
    return ParseIconGrid({
        "..............KKKK..............",
        "..........KKKKYYYYKKKK..........",
        "........KKYYYYYYYYYYYYKK........",
        ".......KYYYYYYYYYYYYYYYYK.......",
        ".....KKYYYYYYYYYYYYYYYYYYKK.....",
        "....KYYYYYYYYYYYYYYYYYYYYYYK....",
        "....KYYYYYYYYYYYYYYYYYYYYYYK....",
        "...KYYYYYYYYYYYYYYYYYYYYYYYYK...",
        "..KYYYYYYYKKYYYYYYYYKKYYYYYYYK..",
        "..KYYYYYYKKKKYYYYYYKKKKYYYYYYK..",
        ".KYYYYYYYKKKKYYYYYYKKKKYYYYYYYK.",
        ".KYYYYYYYKKKKYYYYYYKKKKYYYYYYYK.",
        ".KYYYYYYYKKKKYYYYYYKKKKYYYYYYYK.",
        ".KYYYYYYYYKKYYYYYYYYKKYYYYYYYYK.",
        "KYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYK",
        "KYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYK",
        "KYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYK",
        "KYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYK",
        ".KYYYYYYYYYYYYYYYYYYYYYYYYYYYYK.",
        ".KYYYYYYYYYYYYYYYYYYYYYYYYYYYYK.",
        ".KYYYYYYYYYYYYYYYYYYYYYYYYYYYYK.",
        ".KYYYYYYYYYYYYYYYYYYYYYYYYYYYYK.",
        "..KYYYYYYYYYYYYYYYYYYYYYYYYYYK..",
        "..KYYYYYYYYYYYYYYYYYYYYYYYYYYK..",
        "...KYYYYYYYYYYYYYYYYYYYYYYYYK...",
        "....KYYYYYYYYYYYYYYYYYYYYYYK....",
        "....KYYYYYYYYYYYYYYYYYYYYYYK....",
        ".....KKYYYYYYYYYYYYYYYYYYKK.....",
        ".......KYYYYYYYYYYYYYYYYK.......",
        "........KKYYYYYYYYYYYYKK........",
        "..........KKKKYYYYKKKK..........",
        "..............KKKK..............",
    });
}

IconImage SmallFace() {
    return ParseIconGrid({
        "......KKKK......",
        "....KKYYYYKK....",
        "...KYYYYYYYYK...",
        "..KYYKYYYYKYYK..",
        ".KYYYKYYYYKYYYK.",
        ".KYYYKYYYYKYYYK.",
        "KYYYYKYYYYKYYYYK",
        "KYYYYYYYYYYYYYYK",
        "KYYYYYYYYYYYYYYK",
        "KYYYYYYYYYYYYYYK",
        ".KYYYYYYYYYYYYK.",
        ".KYYYYYYYYYYYYK.",
        "..KYYYYYYYYYYK..",
        "...KYYYYYYYYK...",
        "....KKYYYYKK....",
        "......KKKK......",
    });
}

} // namespace

std::vector<IconImage> LaughingFace() {
    return {
        WithRows(LargeFace(), kLargeMouthRow, {
            "KYYYYKKKYYYYYYYYYYYYYYYYKKKYYYYK",
            "KYYYYKKKKKKYYYYYYYYYYKKKKKKYYYYK",
            "KYYYYKKRRKKKKKKKKKKKKKKRRKKYYYYK",
            ".KYYYKKRRRRRKKKKKKKKRRRRRKKYYYK.",
            ".KYYYYKRRRRRRRRRRRRRRRRRRKYYYYK.",
            ".KYYYYKRRRRRRRRRRRRRRRRRRKYYYYK.",
            ".KYYYYKRRRRRRRRRRRRRRRRRRKYYYYK.",
            "..KYYYYKRRRRRRRRRRRRRRRRKYYYYK..",
            "..KYYYYKKKRRRRRRRRRRRRKKKYYYYK..",
            "...KYYYYKKKKRRRRRRRRKKKKYYYYK...",
            "....KYYYYYKKKKKKKKKKKKYYYYYK....",
            "....KYYYYYYYKKKKKKKKYYYYYYYK....",
        }),
        WithRows(SmallFace(), kSmallMouthRow, {
            "KYKKKKKKKKKKKKYK",
            "KYKRRRRRRRRRRKYK",
            ".KYKRRRRRRRRKYK.",
            ".KYYKKRRRRKKYYK.",
            "..KYYYKKKKYYYK..",
            "...KYYYYYYYYK...",
        }),
    };
}

std::vector<IconImage> NeutralFace() {
    return {
        WithRows(LargeFace(), kLargeMouthRow, {
            "KYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYK",
            "KYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYK",
            "KYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYK",
            ".KYYYYYYYYYYYYYYYYYYYYYYYYYYYYK.",
            ".KYYYYYYYYYYYYYYYYYYYYYYYYYYYYK.",
            ".KYYYYYYYYYYYYYYYYYYYYYYYYYYYYK.",
            ".KYYYYYYKKKKKKKKKKKKKKKKYYYYYYK.",
            "..KYYYYYKKKKKKKKKKKKKKKKYYYYYK..",
            "..KYYYYYYYYYYYYYYYYYYYYYYYYYYK..",
            "...KYYYYYYYYYYYYYYYYYYYYYYYYK...",
            "....KYYYYYYYYYYYYYYYYYYYYYYK....",
            "....KYYYYYYYYYYYYYYYYYYYYYYK....",
        }),
        WithRows(SmallFace(), kSmallMouthRow, {
            "KYYYYYYYYYYYYYYK",
            "KYYYYYYYYYYYYYYK",
            ".KYYKKKKKKKKYYK.",
            ".KYYYYYYYYYYYYK.",
            "..KYYYYYYYYYYK..",
            "...KYYYYYYYYK...",
        }),
    };
}

std::vector<IconImage> SmilingFace() {
    return {
        WithRows(LargeFace(), kLargeMouthRow, {
            "KYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYK",
            "KYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYK",
            "KYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYK",
            ".KYYYYYKKYYYYYYYYYYYYYYKKYYYYYK.",
            ".KYYYYYKKYYYYYYYYYYYYYYKKYYYYYK.",
            ".KYYYYYYKKYYYYYYYYYYYYKKYYYYYYK.",
            ".KYYYYYYKKKYYYYYYYYYYKKKYYYYYYK.",
            "..KYYYYYYKKKYYYYYYYYKKKYYYYYYK..",
            "..KYYYYYYYKKKKKYYKKKKKYYYYYYYK..",
            "...KYYYYYYYYKKKKKKKKYYYYYYYYK...",
            "....KYYYYYYYYYYKKYYYYYYYYYYK....",
            "....KYYYYYYYYYYYYYYYYYYYYYYK....",
        }),
        WithRows(SmallFace(), kSmallMouthRow, {
            "KYYYYYYYYYYYYYYK",
            "KYYKYYYYYYYYKYYK",
            ".KYYKYYYYYYKYYK.",
            ".KYYYKKKKKKYYYK.",
            "..KYYYYYYYYYYK..",
            "...KYYYYYYYYK...",
        }),
    };
}

// The frowning face has no small image.
std::vector<IconImage> SadFace() {
    return {
        WithRows(LargeFace(), kLargeMouthRow, {
            "KYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYK",
            "KYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYK",
            "KYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYK",
            ".KYYYYYYYYYYYYYYYYYYYYYYYYYYYYK.",
            ".KYYYYYYYYYYYYYYYYYYYYYYYYYYYYK.",
            ".KYYYYYYYYYYYYYKKYYYYYYYYYYYYYK.",
            ".KYYYYYYYYYYKKKKKKKKYYYYYYYYYYK.",
            "..KYYYYYYYKKKKKYYKKKKKYYYYYYYK..",
            "..KYYYYYYKKKYYYYYYYYKKKYYYYYYK..",
            "...KYYYYKKKYYYYYYYYYYKKKYYYYK...",
            "....KYYYKKYYYYYYYYYYYYKKYYYK....",
            "....KYYYYYYYYYYYYYYYYYYYYYYK....",
        }),
    };
}

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
