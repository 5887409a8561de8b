#pragma once

#include <cmath>

#include "platform/values/integer.h"

namespace forms {

// Places and sizes are kept in twips and shown at 15 twips to a logical pixel.
inline constexpr Single kTwipsPerPixel = 15;

// Twips to whole logical pixels.
inline int toPixels(Single twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

}  // namespace forms
