#pragma once

#include <QImage>
#include <QRgb>
#include <map>
#include <string_view>
#include <vector>

// Small helpers for pictures drawn pixel by pixel.

// An image of the given size filled with one colour; ARGB so cursors can hold transparency.
QImage filledImage(int width, int height, QRgb colour);

// Draws a picture written as text, one string per row and one character per pixel, with its
// top-left character at (left, top). Characters missing from the key leave the pixel as is.
void paintArt(QImage& image, int left, int top, const std::vector<std::string_view>& rows,
              const std::map<char, QRgb>& key);

// True for a pixel on the border of a shape: one of its four neighbours (left, right, above,
// below) lies outside the shape, or the pixel lies on the border of the image.
template <typename Inside>
bool isOnEdge(int x, int y, int width, int height, Inside isInside) {
    if (x == 0 || y == 0 || x == width - 1 || y == height - 1) return true;
    return !isInside(x - 1, y) || !isInside(x + 1, y) || !isInside(x, y - 1) || !isInside(x, y + 1);
}

// True on alternate pixels, like the squares of a chess board.
inline bool isChequered(int x, int y) {
    return (x + y) % 2 == 0;
}
