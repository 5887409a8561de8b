#pragma once

// Everything a form's code uses: forms, controls, timers, pictures, the statements (question
// boxes, files, the program's directory, End), text functions, the checked Integer and
// variables a watcher can follow.
#include "platform/controls/command_button.h"
#include "platform/controls/containers.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/scroll_bar.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"
#include "platform/files/files.h"
#include "platform/forms/form.h"
#include "platform/forms/statements.h"
#include "platform/properties/variable.h"
#include "platform/runtime/boxes.h"
#include "platform/runtime/runtime.h"
#include "platform/values/integer.h"
#include "platform/values/text.h"
