#pragma once

#include <QMargins>
#include <QTimer>

class QWidget;

namespace forms {

class Runtime;

// Puts a window beside the program's main window when it shows, by the frames of both (see
// placeBeside), and once more when the window manager has framed it.
class WindowPlacer final : public QObject {
  public:
    WindowPlacer(QWidget& window, Runtime& runtime);

    void place();
    void stop() { frameCheck_.stop(); }

  private:
    QMargins knownFrame() const;
    void placeAgainOnceFramed();

    QWidget& window_;
    Runtime& runtime_;
    QTimer frameCheck_;
    int frameChecksLeft_ = 0;
};

}  // namespace forms
