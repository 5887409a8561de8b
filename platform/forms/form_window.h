#pragma once

#include <QWidget>

namespace forms {

class Form;

// The top-level Qt window of a form: a fixed client area that the user cannot resize. Mouse
// events that reach it come from the form's own uncovered surface.
class FormWindow final : public QWidget {
  public:
    explicit FormWindow(Form& form);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    Form& form_;
};

}  // namespace forms
