#include "platform/how_it_works/panes/pane_shape.h"

#include <QLayout>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <algorithm>

#include "platform/how_it_works/panes/code_pane.h"

namespace forms {

namespace {
constexpr int kWatchWidth = 300;   // beside the Code, in a row
constexpr int kWatchHeight = 200;  // under the Code, in a column
constexpr int kEventsHeight = 200;
constexpr int kLeastListHeight = 120;  // the Events or the Watch, squeezed into a column
}  // namespace

PaneShape::PaneShape(QWidget& window, QWidget& timeBar, CodePane& code, QSplitter& panes,
                     QSplitter& lower)
    : window_(window), timeBar_(timeBar), code_(code), panes_(panes), lower_(lower) {}

QSize PaneShape::row() {
    inColumn_ = false;
    const QSize code = code_.roomForLongestHandler();
    const QMargins margins = window_.layout()->contentsMargins();
    code_.wrapLines(false);
    lower_.setOrientation(Qt::Horizontal);
    lower_.setSizes({code.width(), kWatchWidth});
    panes_.setSizes({kEventsHeight, code.height()});
    const QSize wanted(
        margins.left() + code.width() + handle() + kWatchWidth + margins.right(),
        aboveThePanes() + kEventsHeight + handle() + code.height() + margins.bottom());
    return wanted.boundedTo(window_.screen()->availableGeometry().size());
}

QSize PaneShape::fitTo(QSize room) {
    const QSize now = window_.size();
    if (now.width() <= room.width() && now.height() <= room.height()) return now;
    const QMargins margins = window_.layout()->contentsMargins();
    const int width = columnWidth(room.width());
    const int code = code_.heightForLongestHandler(width - margins.left() - margins.right());
    const int rest = aboveThePanes() + code + 2 * handle() + margins.bottom();
    // The Events and the Watch give up height alike, down to a few rows each, before the code
    // may not show whole.
    const int lists =
        std::clamp(room.height() - rest, 2 * kLeastListHeight, kEventsHeight + kWatchHeight);
    const QSize column(width, rest + lists);
    if (width >= window_.minimumSizeHint().width() && column.height() <= room.height()) {
        layOutColumn(code, lists - lists / 2, lists / 2);
        return column;
    }
    return inColumn_ ? row() : now;
}

// As wide as the room, or as the code and the time bar need if that is less.
int PaneShape::columnWidth(int room) const {
    const QMargins margins = window_.layout()->contentsMargins();
    const int needed = std::max(code_.roomForLongestHandler().width(), timeBar_.sizeHint().width());
    return std::min(room, margins.left() + needed + margins.right());
}

void PaneShape::layOutColumn(int codeHeight, int eventsHeight, int watchHeight) {
    inColumn_ = true;
    code_.wrapLines(true);
    lower_.setOrientation(Qt::Vertical);
    lower_.setSizes({codeHeight, watchHeight});
    panes_.setSizes({eventsHeight, codeHeight + handle() + watchHeight});
}

int PaneShape::handle() const {
    return window_.style()->pixelMetric(QStyle::PM_SplitterWidth, nullptr, &window_);
}

// The window's margin and the time bar above the panes.
int PaneShape::aboveThePanes() const {
    return window_.layout()->contentsMargins().top() + timeBar_.sizeHint().height() +
           window_.layout()->spacing();
}

}  // namespace forms
