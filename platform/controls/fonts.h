#pragma once

#include <QFont>

#include "platform/values/layout.h"

namespace forms {

// The Qt font for a face a form names. The classic faces are drawn with open fonts bundled
// into the program (Liberation Sans for MS Sans Serif and Arial, DejaVu Sans for Verdana,
// Comic Neue for Comic Sans MS), so text measures the same on every machine. Point sizes are
// taken at 96 dots per inch.
QFont fontFor(const FontSpec& wanted);

// Registers the bundled fonts with Qt; the runtime does it once before the first form.
void loadBundledFonts();

}  // namespace forms
