#include "platform/how_it_works/panes/window_placer.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <utility>

#include "platform/forms/form.h"
#include "platform/how_it_works/panes/placement.h"
#include "platform/runtime/runtime.h"

namespace forms {

namespace {
constexpr int kFrameCheckMs = 50, kFrameChecks = 60;  // how long it waits to be framed
}  // namespace

WindowPlacer::WindowPlacer(QWidget& window, Runtime& runtime, FitTo fitTo)
    : QObject(&window), window_(window), runtime_(runtime), fitTo_(std::move(fitTo)) {
    frameCheck_.setInterval(kFrameCheckMs);
    connect(&frameCheck_, &QTimer::timeout, this, [this] { placeAgainOnceFramed(); });
}

void WindowPlacer::place() {
    Form* main = runtime_.startupForm();
    if (!main || !main->isShown()) return;
    const QMargins margins = knownFrame();
    const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
    if (margins.isNull() && !frameCheck_.isActive()) {
        frameChecksLeft_ = kFrameChecks;
        frameCheck_.start();
    }
    const QRect mainFrame = main->window()->frameGeometry();
    const QRect screen = main->window()->screen()->availableGeometry();
    const QSize room(roomBeside(mainFrame, screen), screen.height());
    const QRect place = placeBeside(mainFrame, fitTo_(room - frame) + frame, screen);
    // The inside, placed exactly: where a window manager puts a window asked for by its frame's
    // corner varies with when Qt learnt of the frame.
    window_.setGeometry(place.marginsRemoved(margins));
}

// Qt works out a window's frame when first asked and keeps it: asked before the window manager
// has framed the window (before it is exposed), it would keep none.
QMargins WindowPlacer::knownFrame() const {
    const QWindow* window = window_.windowHandle();
    return window && window->isExposed() ? window->frameMargins() : QMargins();
}

// Qt knows a window's frame only once the window manager has framed it, after the first
// placing, and tells no event of it: the window looks every 50 ms for three seconds and is
// placed again, once, when it is framed. Unframed (no window manager), it stays where it is.
void WindowPlacer::placeAgainOnceFramed() {
    if (!knownFrame().isNull()) {
        frameCheck_.stop();
        place();
    } else if (--frameChecksLeft_ <= 0) {
        frameCheck_.stop();
    }
}

}  // namespace forms
