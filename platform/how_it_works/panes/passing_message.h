#pragma once

#include <QLabel>

namespace forms {

// A line under the panes that tells why something was refused, and goes at the learner's next
// action: the next key or button pressed in any of the program's windows.
class PassingMessage final : public QLabel {
  public:
    explicit PassingMessage(QWidget* parent);

    // Shows the message, or hides the line for none.
    void show(const QString& message);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace forms
