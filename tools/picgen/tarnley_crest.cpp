#include "tarnley_crest.h"

#include <algorithm>
#include <array>

#include "colours.h"
#include "pixel_art.h"

namespace {

constexpr int kWidth = 58;
constexpr int kHeight = 49;
constexpr int kShieldLeft = 11;
constexpr int kShieldRight = 46;
constexpr int kShoulderRow = 24;  // the sides run straight down to here, then close in
constexpr QRgb kShieldRed = colours::kRed;

constexpr int kPanelLeft = 17;
constexpr int kPanelRight = 40;
constexpr int kPanelTop = 5;
constexpr int kPanelBottom = 37;

bool isInShield(int x, int y) {
    if (y < 0 || y >= kHeight) return false;
    const int halfWidth = (kShieldRight - kShieldLeft + 1) / 2;
    const int rowsBelowShoulder = std::max(0, y - kShoulderRow);
    const int inset = rowsBelowShoulder * (halfWidth - 1) / (kHeight - 1 - kShoulderRow);
    return x >= kShieldLeft + inset && x <= kShieldRight - inset;
}

bool isInPanel(int x, int y) {
    return x >= kPanelLeft && x <= kPanelRight && y >= kPanelTop && y <= kPanelBottom;
}

void paintShield(QImage& crest) {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (!isInShield(x, y)) continue;
            const bool edge = isOnEdge(x, y, kWidth, kHeight, isInShield);
            crest.setPixel(x, y, edge ? colours::kBlack : kShieldRed);
        }
    }
}

void paintPanel(QImage& crest) {
    for (int y = kPanelTop; y <= kPanelBottom; ++y) {
        for (int x = kPanelLeft; x <= kPanelRight; ++x) {
            const bool edge = isOnEdge(x, y, kWidth, kHeight, isInPanel);
            crest.setPixel(x, y, edge ? colours::kBlack : colours::kWhite);
        }
    }
}

// Each letter is a 2 x 3 block of ink, one column apart; far too small to read, it only has
// to look like lettering.
std::array<std::string_view, 3> tinyLetter(char letter) {
    switch (letter) {
        case 'T':
            return {"##", ".#", ".#"};
        case 'A':
            return {".#", "##", "##"};
        case 'R':
            return {"##", "##", "#."};
        case 'N':
            return {"##", "##", "##"};
        case 'L':
            return {"#.", "#.", "##"};
        case 'Y':
            return {"#.", ".#", ".#"};
        case 'O':
            return {"##", "#.", "##"};
        case 'W':
            return {"#.", "##", "##"};
        case 'F':
            return {"##", "#.", "#."};
        case 'C':
            return {"##", "#.", "##"};
        default:
            return {"##", "#.", "##"};
    }
}

void paintLettering(QImage& crest, std::string_view words, int top) {
    const int width = static_cast<int>(words.size()) * 3 - 1;
    int x = (kPanelLeft + kPanelRight + 1 - width) / 2;
    for (char letter : words) {
        if (letter != ' ') {
            const auto glyph = tinyLetter(letter);
            paintArt(crest, x, top, {glyph.begin(), glyph.end()}, {{'#', colours::kBlack}});
        }
        x += 3;
    }
}

// A footballer in a blue shirt and black shorts, kicking a ball; k black, b blue.
const std::vector<std::string_view> kFootballer = {
    "....kkk.....",  //
    "...kkkkk....",  //
    "...kkkkk....",  //
    "....kkk.....",  //
    "..bbbbbbb...",  //
    ".bbbbbbbbbb.",  //
    "bb.bbbbb..bb",  //
    "b..bbbbb....",  //
    "...bbbbb....",  //
    "...bbbbb....",  //
    "...kkkkk....",  //
    "...kkkkkk...",  //
    "...kk..kkk..",  //
    "...kk...kkk.",  //
    "...kk....kk.",  //
    "...kk.......",  //
    "..kkk..kkk..",  //
    "......kk.kk.",  //
    ".......kkk..",  //
};

}  // namespace

QImage drawTarnleyCrest() {
    QImage crest = filledImage(kWidth, kHeight, colours::kWhite);
    paintShield(crest);
    paintPanel(crest);
    paintLettering(crest, "TARNLEY", kPanelTop + 2);
    paintLettering(crest, "TOWN FC", kPanelBottom - 4);
    paintArt(crest, 23, kPanelTop + 6, kFootballer,
             {{'k', colours::kBlack}, {'b', colours::kBlue}});
    return crest;
}
