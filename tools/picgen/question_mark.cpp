#include "question_mark.h"

#include "colours.h"
#include "pixel_art.h"

namespace {

constexpr int kWidth = 57;
constexpr int kHeight = 49;
constexpr int kMarkLeft = 20;
constexpr int kMarkTop = 12;

// An 18 x 25 question mark: a hook five pixels thick over a stem, a two-row gap, a dot.
const std::vector<std::string_view> kMark = {
    ".....########.....",  //
    "...############...",  //
    ".################.",  //
    "##################",  //
    "######......######",  //
    "#####........#####",  //
    "#####........#####",  //
    "#####........#####",  //
    ".............#####",  //
    "............######",  //
    "..........#######.",  //
    "........########..",  //
    ".......#######....",  //
    "......######......",  //
    "......#####.......",  //
    "......#####.......",  //
    "......#####.......",  //
    "......#####.......",  //
    "..................",  //
    "..................",  //
    "......#####.......",  //
    "......#####.......",  //
    "......#####.......",  //
    "......#####.......",  //
    "......#####.......",  //
};

}  // namespace

QImage drawQuestionMark() {
    QImage picture = filledImage(kWidth, kHeight, colours::kBlue);
    paintArt(picture, kMarkLeft, kMarkTop, kMark, {{'#', colours::kYellow}});
    return picture;
}
