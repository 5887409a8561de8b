#pragma once

#include <QMargins>
#include <QTimer>
#include <functional>

class QWidget;

namespace forms {

class Runtime;

// Puts a window beside the program's main window when it shows, by the frames of both (see
// placeBeside), and once more when the window manager has framed it.
class WindowPlacer final : public QObject {
  public:
    // Given the room beside the main window (the inside of a window that fits there), the window
    // lays itself out for it and gives the size it wants.
    using FitTo = std::function<QSize(QSize room)>;

    WindowPlacer(QWidget& window, Runtime& runtime, FitTo fitTo);

    void place();
    void stop() { frameCheck_.stop(); }

  private:
    QMargins knownFrame() const;
    void placeAgainOnceFramed();

    QWidget& window_;
    Runtime& runtime_;
    FitTo fitTo_;
    QTimer frameCheck_;
    int frameChecksLeft_ = 0;
};

}  // namespace forms
