#pragma once

#include <QPlainTextEdit>
#include <algorithm>

namespace forms {

// Read-only code with its lines numbered in a gutter on the left, from 1, as the file counts
// them, and a run of lines marked across the whole width, some of them more strongly.
class NumberedCode final : public QPlainTextEdit {
  public:
    struct Marks {
        int first = -1, last = -2;  // lines counted from 0; none when last < first
        QList<int> strong;          // lines counted from 1
        // Not QList's ==: Qt 6.4 hands two empty lists to memcmp, one of them a null pointer.
        bool operator==(const Marks& o) const {
            return first == o.first && last == o.last && std::ranges::equal(strong, o.strong);
        }
    };

    explicit NumberedCode(QWidget* parent);

    // A document of plain text laid out for this view and owned by it: the only kind it shows,
    // so that no document it shows can be deleted under it (QPlainTextEdit deletes a document
    // of its own inner parts when another is set).
    QTextDocument* makeDocument(const QString& text);
    // Shows one of its documents in place of the one shown, with no marks.
    void showDocument(QTextDocument* document);
    // Marks are painted under the text, not kept as selections: moving them lays out nothing.
    void setMarks(const Marks& marks);
    const Marks& marks() const { return marks_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    class Gutter;
    int gutterWidth() const;
    void fitGutter();
    void paintGutter(QPaintEvent* event);
    void paintMarks(QPainter& painter, const QRect& area);

    QWidget* gutter_;
    Marks marks_;
};

}  // namespace forms
