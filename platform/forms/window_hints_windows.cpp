#include "platform/forms/window_hints.h"

namespace forms {

// On Windows, Qt's own window flags (a fixed-size frame, no maximise box) already say it.
void offerNoResizing(QWidget*) {}

}  // namespace forms
