#include "platform/controls/control_factory.h"

#include "platform/controls/command_button.h"
#include "platform/controls/containers.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/scroll_bar.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"

namespace forms {

namespace {

// The array a new member joins, if it is one.
using ArraySlot = std::unique_ptr<ControlArrayBase>*;

template <typename T>
std::unique_ptr<Control> make(LoadedForm& form, const ControlDesc& row, const QString& name,
                              int index, QWidget* container, ArraySlot array) {
    auto control = std::make_unique<T>(form, row, name, index, container);
    if (array) {
        if (!*array) *array = std::make_unique<ControlArray<T>>();
        static_cast<ControlArray<T>&>(**array).add(*control);
    }
    return control;
}

using Maker = std::unique_ptr<Control> (*)(LoadedForm&, const ControlDesc&, const QString&, int,
                                           QWidget*, ArraySlot);

Maker makerFor(ControlClass cls) {
    switch (cls) {
        case ControlClass::Label:
            return &make<Label>;
        case ControlClass::Image:
            return &make<Image>;
        case ControlClass::CommandButton:
            return &make<CommandButton>;
        case ControlClass::PictureBox:
            return &make<PictureBox>;
        case ControlClass::Frame:
            return &make<Frame>;
        case ControlClass::Shape:
            return &make<Shape>;
        case ControlClass::Timer:
            return &make<Timer>;
        case ControlClass::HScrollBar:
            return &make<HScrollBar>;
        case ControlClass::TextBox:
            return &make<TextBox>;
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<Control> makeControl(LoadedForm& form, const ControlDesc& entry,
                                     const QString& name, int index, QWidget* container,
                                     std::unique_ptr<ControlArrayBase>* array) {
    return makerFor(entry.cls)(form, entry, name, index, container, array);
}

}  // namespace forms
