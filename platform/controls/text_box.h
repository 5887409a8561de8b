#pragma once

#include "platform/controls/control.h"

namespace forms {

class TextWidget;

// A box of text. Multi-line boxes wrap long lines at the box's width; a locked box can be
// selected and scrolled but not changed.
class TextBox final : public Control {
  public:
    TextBox(LoadedForm& form, const ControlDesc& desc, QString name, int index, QWidget* container);

    Property<String, TextBox> Text{this, "Text", &TextBox::textChanged};
    Property<bool, TextBox> Locked{this, "Locked", &TextBox::lockedChanged};

  private:
    void textChanged();
    void lockedChanged();
    void setLocking();
    void edited();

    TextWidget* widget_;
};

}  // namespace forms
