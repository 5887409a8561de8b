#pragma once

#include <QImage>

// The 23 x 23 football that bounces in the ball box: a cyan disc with black seams on white.
QImage drawBall();
