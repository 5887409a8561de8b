#pragma once

#include <QImage>

// The 57 x 49 club crest revealed under the question mark: an emblem in white and orange
// inside a grey octagon on black.
QImage drawClubCrest();
