#pragma once

#include <QRect>

namespace forms {

// Where a window goes beside `main` (the program's window) on `screen` (its available area):
// to the right where the screen has room, else to the left, else below or above it, where there
// is more room (lower, if need be); over it only when the screen is too small for anything else.
// Every rectangle and size is of a window's frame; `wanted` is the size the window would have.
QRect placeBeside(const QRect& main, QSize wanted, const QRect& screen);

// The width of the wider of the rooms left and right of `main` on `screen`, the gap taken off:
// a window's frame as wide goes beside it.
int roomBeside(const QRect& main, const QRect& screen);

}  // namespace forms
