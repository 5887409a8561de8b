#pragma once

#include <QPlainTextEdit>

namespace forms {

// Read-only code with its lines numbered in a gutter on the left, from 1, as the file counts
// them.
class NumberedCode final : public QPlainTextEdit {
  public:
    explicit NumberedCode(QWidget* parent);

    // Shows a document of plain text, laid out for this view, in place of the one shown.
    void showDocument(QTextDocument* document);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    class Gutter;
    int gutterWidth() const;
    void fitGutter();
    void paintGutter(QPaintEvent* event);

    QWidget* gutter_;
};

}  // namespace forms
