#pragma once

#include <QPlainTextEdit>
#include <QTimer>
#include <vector>

namespace forms {

// The widget of a text box. A text set while the box is not on screen (a viewer filled before
// it is first shown) goes into Qt's document only when the box appears, so a large text costs
// nothing until somebody looks at it. A read-only box then takes it a slice at a time from the
// event loop, so that no text freezes the window, and lays a very long line out in pieces
// (Qt's layout of one paragraph grows much faster than its length); a copy gives such a line
// back whole.
class TextWidget final : public QPlainTextEdit {
  public:
    explicit TextWidget(QWidget* parent);

    void setText(const QString& text);
    // Whether part of the text is still on its way into the document.
    bool isFilling() const { return nextSlice_.isActive(); }

  protected:
    void showEvent(QShowEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;

  private:
    void fill();
    void fillSlice();
    void appendPiece(QTextCursor& end);
    qsizetype pieceEnd() const;
    qsizetype cutBefore(qsizetype at, qsizetype from) const;

    QString text_;
    qsizetype filled_ = 0;   // characters of text_ already in the document
    qsizetype lineRun_ = 0;  // characters since the last line break, up to filled_
    bool pending_ = false;
    std::vector<int> joins_;  // document positions where a long line goes on in a new block
    QTimer nextSlice_;
};

}  // namespace forms
