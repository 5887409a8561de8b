#pragma once

#include <QImage>
#include <vector>

// The 48 x 48 red face wearing sunglasses, in five colours: dark red, red, black, yellow and
// white.

// How the face is turned for one animation frame.
struct FacePose {
    int turn = 0;        // pixels the glasses, nose and stubble move to the right
    bool glint = false;  // the lenses catch the light: larger highlights
};

QImage drawFace(const FacePose& pose = {});

// The eight animation frames: the face sways right and left and back, the highlights sliding
// across the lenses and flashing at either end of the sway. Frame 0 is the resting face and
// follows frame 7 smoothly.
std::vector<QImage> drawFaceFrames();
