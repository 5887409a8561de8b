#pragma once

#include <QString>
#include <memory>

#include "platform/controls/control.h"
#include "platform/controls/control_array.h"
#include "platform/values/layout.h"

class QWidget;

namespace forms {

// Makes the control a layout table's entry describes, of the class the entry names, inside
// `container`. A member of a control array (`index` 0 or more) joins the array in `array`,
// which is made with its first member.
std::unique_ptr<Control> makeControl(LoadedForm& form, const ControlDesc& entry,
                                     const QString& name, int index, QWidget* container,
                                     std::unique_ptr<ControlArrayBase>* array);

}  // namespace forms
