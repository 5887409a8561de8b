#include "platform/how_it_works/panes/placement.h"

#include <algorithm>

namespace forms {

namespace {
constexpr int kGap = 8;       // between the program's window and this one
constexpr int kLowest = 280;  // the least height worth placing below it
}  // namespace

// Edges are counted past the last pixel (x + width), so that a gap is the gap it says.
QRect placeBeside(const QRect& main, QSize wanted, const QRect& screen) {
    const int mainRight = main.x() + main.width(), mainBottom = main.y() + main.height();
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();
    QSize size(std::min(wanted.width(), screen.width()),
               std::min(std::max(wanted.height(), main.height()), screen.height()));
    QPoint at(mainRight + kGap, main.y());
    const int roomBelow = screenBottom - mainBottom - kGap;
    const int roomAbove = main.y() - kGap - screen.y();
    const bool fitsRight = at.x() + size.width() <= screenRight;
    const int widthAcross = std::min(std::max(size.width(), main.width()), screen.width());
    if (!fitsRight && main.x() - kGap - size.width() >= screen.x()) {
        at.setX(main.x() - kGap - size.width());
    } else if (!fitsRight && std::max(roomBelow, roomAbove) >= kLowest) {
        const bool below = roomBelow >= roomAbove;
        size = QSize(widthAcross, std::min(size.height(), below ? roomBelow : roomAbove));
        at = QPoint(main.x(), below ? mainBottom + kGap : main.y() - kGap - size.height());
    } else if (!fitsRight) {
        at.setX(screenRight - size.width());
    }
    at.setX(std::clamp(at.x(), screen.x(), std::max(screen.x(), screenRight - size.width())));
    at.setY(std::clamp(at.y(), screen.y(), std::max(screen.y(), screenBottom - size.height())));
    return {at, size};
}

int roomBeside(const QRect& main, const QRect& screen) {
    const int right = screen.x() + screen.width() - (main.x() + main.width()) - kGap;
    const int left = main.x() - kGap - screen.x();
    return std::max({0, left, right});
}

}  // namespace forms
