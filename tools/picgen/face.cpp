#include "face.h"

#include <array>
#include <cmath>

#include "colours.h"
#include "pixel_art.h"

namespace {

constexpr int kSize = 48;
constexpr double kCentre = 23.5;
constexpr double kFaceRadius = 22.0;

constexpr int kGlassesTop = 14;
constexpr int kGlassesBottom = 29;
constexpr int kBridgeBottom = 16;
constexpr double kLensHalfWidth = 7.8;
constexpr double kLensCentreY = 19.0;
constexpr double kLensDepth = 10.9;  // from kLensCentreY down to the rounded lower rim
constexpr std::array<double, 2> kLensCentresX = {14.5, 32.5};

// Shine and stubble keep a plain red band, a pixel or two wide, inside the rim.
constexpr double kMarkingsRadius = 20.5;
// The crescent is what the markings circle leaves outside this circle, which sits up and to
// the right of the face's centre.
constexpr double kCrescentCutX = 27.0;
constexpr double kCrescentCutY = 20.0;
constexpr double kCrescentCutRadius = 17.0;
constexpr double kStubbleInnerRadius = 11.0;

double distanceFromCentre(double x, double y) {
    return std::hypot(x - kCentre, y - kCentre);
}

bool isOnFace(int x, int y) {
    return distanceFromCentre(x, y) <= kFaceRadius;
}

// A lens is flat on top and rounded below, like a squashed circle.
bool isInLens(int x, int y, double centreX) {
    if (y < kGlassesTop || y > kGlassesBottom) return false;
    const double across = std::abs(x - centreX) / kLensHalfWidth;
    const double down = std::max(0.0, y - kLensCentreY) / kLensDepth;
    return std::pow(across, 4) + std::pow(down, 4) <= 1.0;
}

bool isInSunglasses(int x, int y, int turn) {
    if (y >= kGlassesTop && y <= kBridgeBottom) return true;  // the frame runs ear to ear
    for (double centreX : kLensCentresX) {
        if (isInLens(x, y, centreX + turn)) return true;
    }
    return false;
}

// The light falls from the upper left: a shine runs down the nose, then curves round the
// lower left of the face as a crescent between the rim and an off-centre circle.
bool isInNoseShine(int x, int y, int turn) {
    return y >= 2 && y <= 37 && x >= 22 + turn && x <= 25 + turn;
}

bool isInCrescent(int x, int y) {
    const bool insideRim = distanceFromCentre(x, y) <= kMarkingsRadius;
    const bool outsideCut = std::hypot(x - kCrescentCutX, y - kCrescentCutY) > kCrescentCutRadius;
    return insideRim && outsideCut && x <= 26 && y >= 22;
}

// Stubble covers the lower right of the jaw and turns with the face.
bool isInStubble(int x, int y, int turn) {
    const double distance = distanceFromCentre(x - turn, y);
    return y >= 31 && x >= 27 + turn && distance >= kStubbleInnerRadius &&
           distance <= kMarkingsRadius;
}

void paintFace(QImage& face, const FacePose& pose) {
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (!isOnFace(x, y)) continue;
            QRgb colour = colours::kRed;
            if (isInNoseShine(x, y, pose.turn) || isInCrescent(x, y)) {
                colour = isChequered(x, y) ? colours::kYellow : colours::kRed;
            } else if (isInStubble(x, y, pose.turn)) {
                colour = isChequered(x, y) ? colours::kBlack : colours::kRed;
            }
            if (isInSunglasses(x, y, pose.turn)) colour = colours::kBlack;
            face.setPixel(x, y, colour);
        }
    }
}

// A short white streak where the crescent is brightest.
void paintCheekStreak(QImage& face) {
    for (int step = 0; step < 4; ++step) face.setPixel(9 + step, 34 + step, colours::kWhite);
}

// The lenses move with the turn, but their highlights reflect a light that stays put, so they
// slide the other way across the glass.
void paintLensHighlights(QImage& face, const FacePose& pose) {
    for (double centreX : kLensCentresX) {
        const int left = static_cast<int>(centreX) - 4 - pose.turn;
        face.setPixel(left, 19, colours::kWhite);
        face.setPixel(left + 1, 19, colours::kWhite);
        face.setPixel(left, 20, colours::kWhite);
        if (!pose.glint) continue;
        face.setPixel(left + 1, 20, colours::kWhite);
        face.setPixel(left + 2, 19, colours::kWhite);
        face.setPixel(left, 21, colours::kWhite);
        face.setPixel(left + 2, 21, colours::kWhite);
    }
}

}  // namespace

QImage drawFace(const FacePose& pose) {
    QImage face = filledImage(kSize, kSize, colours::kDarkRed);
    paintFace(face, pose);
    paintCheekStreak(face);
    paintLensHighlights(face, pose);
    return face;
}

std::vector<QImage> drawFaceFrames() {
    constexpr std::array<FacePose, 8> kPoses = {{{0, false},
                                                 {1, false},
                                                 {2, true},
                                                 {1, false},
                                                 {0, false},
                                                 {-1, false},
                                                 {-2, true},
                                                 {-1, false}}};
    std::vector<QImage> frames;
    for (const FacePose& pose : kPoses) frames.push_back(drawFace(pose));
    return frames;
}
