#pragma once

#include <QSize>

class QSplitter;
class QWidget;

namespace forms {

class CodePane;

// How the window lays out its panes so that the Code pane shows the longest handler whole. In
// a row: the Events above, the Code beside the Watch below, the Code as wide as the widest line.
// In a column, for a narrow room beside the main window: the Events, the Code and the Watch one
// above another, the code wrapped to the pane's width and the pane as tall as that makes the
// longest handler, the Events and the Watch sharing what height is left.
class PaneShape {
  public:
    PaneShape(QWidget& window, QWidget& timeBar, CodePane& code, QSplitter& panes,
              QSplitter& lower);

    // Lays the panes out in a row and gives the window's size for it, as far as the screen
    // allows.
    QSize row();
    // Lays the panes out for `room`, the inside of the room beside the main window, and gives
    // the window's size: as it is, where that fits there; else a column, where one shows the
    // longest handler whole there; else a row, to go below or over the main window.
    QSize fitTo(QSize room);

  private:
    int columnWidth(int room) const;
    void layOutColumn(int codeHeight, int eventsHeight, int watchHeight);
    int aboveThePanes() const;
    int handle() const;

    QWidget& window_;
    QWidget& timeBar_;
    CodePane& code_;
    QSplitter& panes_;  // the Events, then the Code and the Watch
    QSplitter& lower_;  // the Code, then the Watch
    bool inColumn_ = false;
};

}  // namespace forms
