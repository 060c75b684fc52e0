#include "icon_designs.h"

namespace trimwise::artwork {

// Designs are kept one pixel row per line so that they can be read and edited as pictures.
// clang-format off

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

// clang-format on

} // namespace trimwise::artwork
