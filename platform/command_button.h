#pragma once

#include "platform/control.h"

namespace forms {

class ButtonWidget;

// A push button. In graphical style its face is painted in BackColor. Space or Enter on the
// focused button clicks it like the mouse does.
class CommandButton final : public Control {
  public:
    CommandButton(Form& form, const ControlDesc& desc, QString name, int index, QWidget* container);

    Property<String, CommandButton> Caption{this, &CommandButton::captionChanged};
    Property<Colour, CommandButton> BackColor{this, &CommandButton::repaint, vbButtonFace};
    Property<Integer, CommandButton> Style{this, &CommandButton::repaint};

  private:
    void captionChanged();
    void repaint();

    ButtonWidget* widget_;
};

}  // namespace forms
