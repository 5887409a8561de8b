#pragma once

// Everything a form's code uses: forms, controls, timers, pictures, the statements (question
// boxes, files, the program's directory, End), text functions, the checked Integer and
// variables a watcher can follow.
#include "platform/boxes.h"
#include "platform/command_button.h"
#include "platform/containers.h"
#include "platform/files.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/integer.h"
#include "platform/label.h"
#include "platform/runtime.h"
#include "platform/scroll_bar.h"
#include "platform/statements.h"
#include "platform/text.h"
#include "platform/text_box.h"
#include "platform/timer.h"
#include "platform/variable.h"
