#pragma once

#include "platform/controls/control.h"

namespace forms {

class SurfaceWidget;

// A rectangle that holds other controls: they are placed relative to it, cut off at its edges
// and hidden with it. It gets mouse events only over its own uncovered surface.
class PictureBox final : public Control {
  public:
    PictureBox(LoadedForm& form, const ControlDesc& desc, QString name, int index,
               QWidget* container);

    Property<Colour, PictureBox> BackColor{this, "BackColor", &PictureBox::repaint, vbButtonFace};

  private:
    void repaint();

    SurfaceWidget* widget_;
};

// A captioned group of controls, drawn as an etched box with its caption in its own font.
class Frame final : public Control {
  public:
    Frame(LoadedForm& form, const ControlDesc& desc, QString name, int index, QWidget* container);

    Property<String, Frame> Caption{this, "Caption", &Frame::repaint};

    QString caption() const override;

  private:
    void repaint();

    SurfaceWidget* widget_;
};

// A rectangle outline, one pixel wide. It takes no mouse events.
class Shape final : public Control {
  public:
    Shape(LoadedForm& form, const ControlDesc& desc, QString name, int index, QWidget* container);
};

}  // namespace forms
