#pragma once

#include <QImage>

// The program icon: a white window turned slightly away from the viewer, with a cyan title
// bar, a black outline and a grey shadow, on a transparent ground. Drawn for 32 x 32 and
// 16 x 16 pixels; only colours of the standard 16-colour set are used.
QImage drawProgramIcon32();
QImage drawProgramIcon16();
