#pragma once

#include <QPalette>
#include <QRect>
#include <optional>

class QPainter;

namespace forms {

struct ValuePlot;

// Where a plot is drawn in a cell: the cell within a small margin. A plot's columns and its
// cursor are counted from this area's left.
QRect plotArea(const QRect& cell);

// Draws a plot across a cell in the palette's colours (its selected row's when `selected`),
// with the moment shown as a line `cursor` pixels from the cell's left and what comes after it
// faded.
void paintPlot(QPainter& painter, const ValuePlot& plot, const QRect& cell, const QPalette& palette,
               bool selected, std::optional<int> cursor);

}  // namespace forms
