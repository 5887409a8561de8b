#pragma once

// Everything a form's code uses: forms, controls, timers, pictures, question boxes, files,
// text functions and the checked Integer.
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
#include "platform/text.h"
#include "platform/text_box.h"
#include "platform/timer.h"
