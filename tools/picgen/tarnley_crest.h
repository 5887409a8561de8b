#pragma once

#include <QImage>

// The 58 x 49 crest of Tarnley Town Football Club: a red shield on white with a white panel
// showing a footballer between two bands of tiny lettering.
QImage drawTarnleyCrest();
