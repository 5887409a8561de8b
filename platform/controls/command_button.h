#pragma once

#include "platform/controls/control.h"

class QShortcut;

namespace forms {

class ButtonWidget;

// A push button. In graphical style its face is painted in BackColor. Space or Enter on the
// focused button clicks it like the mouse does; Escape in its window clicks the Cancel button.
class CommandButton final : public Control {
  public:
    CommandButton(LoadedForm& form, const ControlDesc& desc, QString name, int index,
                  QWidget* container);

    Property<String, CommandButton> Caption{this, "Caption", &CommandButton::captionChanged};
    Property<Colour, CommandButton> BackColor{this, "BackColor", &CommandButton::repaint,
                                              vbButtonFace};
    Property<Integer, CommandButton> Style{this, "Style", &CommandButton::repaint};
    Property<bool, CommandButton> Cancel{this, "Cancel", &CommandButton::cancelChanged};

    QString caption() const override;

  private:
    void captionChanged();
    void cancelChanged();
    void repaint();

    ButtonWidget* widget_;
    QShortcut* escape_;
};

}  // namespace forms
