#pragma once

#include <QRgb>

// The colours the pictures are drawn in. Most come from the classic 16-colour set so the
// cursor and the icon can be stored with a 4-bit palette.
namespace colours {

inline constexpr QRgb kBlack = qRgb(0, 0, 0);
inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kGrey = qRgb(128, 128, 128);
inline constexpr QRgb kSilver = qRgb(192, 192, 192);
inline constexpr QRgb kRed = qRgb(255, 0, 0);
inline constexpr QRgb kDarkRed = qRgb(191, 0, 0);
inline constexpr QRgb kYellow = qRgb(255, 255, 0);
inline constexpr QRgb kBlue = qRgb(0, 0, 255);
inline constexpr QRgb kNavy = qRgb(0, 0, 128);
inline constexpr QRgb kCyan = qRgb(0, 255, 255);
inline constexpr QRgb kOrange = qRgb(246, 142, 2);
inline constexpr QRgb kTransparent = qRgba(0, 0, 0, 0);

}  // namespace colours
