#include "hand_cursor.h"

#include "colours.h"
#include "pixel_art.h"

namespace {

// g grey left outline, s silver between fingers, k black right and lower edge,
// W white glove, n navy cuff, b blue highlight on the cuff, . transparent.
const std::vector<std::string_view> kHand = {
    "................................",  //
    "............gk..................",  // finger tip: the hot spot
    "...........gWWk.................",  //
    "...........gWWk.................",  //
    "...........gWWk.................",  //
    "...........gWWk.................",  //
    "...........gWWkgk...............",  // middle finger
    "...........gWWsWWk..............",  //
    "...........gWWsWWkgk............",  // ring finger
    "...........gWWsWWsWWk...........",  //
    "......ggggggWWsWWsWWkgk.........",  // thumb, little finger
    ".....gWWWWWsWWsWWsWWsWWk........",  //
    ".....gWWWWWsWWsWWsWWsWWk........",  //
    ".....gWWWWWsWWsWWsWWsWWk........",  //
    ".....kkkkWWWWWWWWWWWWWWk........",  //
    "........gWWWWWWWWWWWWWWk........",  //
    "........gWWWWWWWWWWWWWWk........",  //
    "........gWWWWWWWWWWWWWWk........",  //
    "........gWWWWWWWWWWWWWWk........",  //
    "........gWWWWWWWWWWWWWWk........",  //
    ".........gWWWWWWWWWWWWWk........",  //
    ".........gWWWWWWWWWWWWWk........",  //
    ".........gWWWWWWWWWWWWWk........",  //
    ".........kkkkkkkkkkkkkkk........",  //
    ".........nnbbnnnnnnnnnnn........",  // cuff
    ".........nnbbnnnnnnnnnnn........",  //
    ".........nnbbnnnnnnnnnnn........",  //
    ".........nnbbnnnnnnnnnnn........",  //
    ".........nnbbnnnnnnnnnnn........",  //
    ".........nnbbnnnnnnnnnnn........",  //
    "................................",  //
    "................................",  //
};

}  // namespace

QImage drawHandCursor() {
    QImage cursor = filledImage(32, 32, colours::kTransparent);
    paintArt(cursor, 0, 0, kHand,
             {{'g', colours::kGrey},
              {'s', colours::kSilver},
              {'k', colours::kBlack},
              {'W', colours::kWhite},
              {'n', colours::kNavy},
              {'b', colours::kBlue}});
    return cursor;
}
