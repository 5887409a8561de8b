#pragma once

#include "platform/controls/control.h"

namespace forms {

class ImageWidget;

// A picture on a form, never stretched: the control is exactly as large as its picture and
// takes the size of each new picture, keeping its Left and Top.
class Image final : public Control {
  public:
    Image(LoadedForm& form, const ControlDesc& desc, QString name, int index, QWidget* container);

    Property<forms::Picture, Image> Picture{
        this, "Picture", &Image::pictureChanged, {}, &Image::settlePicture};

  private:
    void pictureChanged();
    void settlePicture();

    ImageWidget* widget_;
    const char* embedded_;  // the embedded picture still to decode, if any
};

// A picture embedded in the program, by name; raises 481 if it is not a picture.
forms::Picture embeddedPicture(const char* name);

}  // namespace forms
