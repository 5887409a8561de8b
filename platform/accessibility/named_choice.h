#pragma once

class QAccessibleInterface;
class QObject;

namespace forms {

// A choice (a combo box that is not edited) is read by its own name, given at any time, with
// the item chosen as its value: Qt's own description on Linux reads the chosen item as the
// name. Null for anything else.
QAccessibleInterface* describeNamedChoice(QObject* object);

}  // namespace forms
