#pragma once

#include <QPlainTextEdit>
#include <QTextBlock>
#include <algorithm>
#include <functional>
#include <optional>

#include "platform/how_it_works/panes/line_counts.h"

namespace forms {

// Read-only code with its lines numbered in a gutter on the left, from 1, as the file counts
// them, and a run of lines marked across the whole width, some of them more strongly. Beside
// a line, how many runs it made changes in; a count clicked, or Return on its line, chooses it,
// and Alt+Up and Alt+Down ask for the line's run before and after.
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
    // Written after each line's text, in the palette's quieter colour; repainted only where
    // they change.
    void setCounts(LineCounts counts);
    const LineCounts& counts() const { return counts_; }
    // Told of a line (from 1) whose runs are asked for.
    void onRunOfLineChosen(std::function<void(int line, RunOfLine which)> chosen) {
        chosen_ = std::move(chosen);
    }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    class Gutter;
    int gutterWidth() const;
    void fitGutter();
    void paintGutter(QPaintEvent* event);
    void paintMarks(QPainter& painter, const QRect& area);
    struct CountPlace {
        QRect box;
        bool overText;  // the line runs on under it
    };
    CountPlace countPlace(const QTextBlock& block, int runs) const;
    void forEachCountInSight(
        const std::function<void(int line, int runs, const CountPlace& place)>& visit) const;
    void paintCounts(QPainter& painter, const QRect& area);
    QRegion countsArea() const;
    std::optional<int> countAt(QPoint point) const;
    std::optional<RunOfLine> runAskedBy(const QKeyEvent& event) const;
    int lineAt(int y) const;
    void describeCursorLine();

    QWidget* gutter_;
    Marks marks_;
    LineCounts counts_;
    std::function<void(int, RunOfLine)> chosen_ = [](int, RunOfLine) {};
};

}  // namespace forms
