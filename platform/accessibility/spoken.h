#pragma once

#include <QString>

class QAbstractScrollArea;
class QMessageBox;
class QWidget;

namespace forms {

// What screen readers are told of Qt's own widgets, which know no control.

// Text as screen readers should speak it: each run of blanks and line breaks one blank, and
// none at either end.
QString spokenText(const QString& text);

// Names the parts Qt shows screen readers of a scroll area: where its content shows and each
// scroll bar (Qt leaves them nameless).
void describeScrollArea(QAbstractScrollArea& area);

// Names Qt's own parts of a window (scroll bars, headings, lists of choices, the frames that
// hold its panes) that Qt leaves nameless, so that a screen reader meets nothing nameless.
void nameInnerParts(QWidget* window);

// Names the parts of a question box that Qt leaves nameless or names with the raw text: the
// prompt as spoken text, the icon by its kind, the row of buttons.
void describeBox(QMessageBox& box);

}  // namespace forms
