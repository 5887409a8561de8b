#pragma once

#include <cstdint>

class QColor;

namespace forms {

// A colour as 0x00BBGGRR (blue-green-red), or a system colour as 0x800000nn.
using Colour = std::uint32_t;

inline constexpr Colour vbBlack = 0x000000;
inline constexpr Colour vbWhite = 0xFFFFFF;
inline constexpr Colour vbRed = 0x0000FF;
inline constexpr Colour vbBlue = 0xFF0000;
inline constexpr Colour vbGreen = 0x00C000;

// System colours: resolved against the desktop's palette when drawn.
inline constexpr Colour vbButtonFace = 0x8000000F;
inline constexpr Colour vbButtonText = 0x80000012;
inline constexpr Colour vbWindowBackground = 0x80000005;
inline constexpr Colour vbWindowText = 0x80000008;

QColor toQColor(Colour colour);

}  // namespace forms
