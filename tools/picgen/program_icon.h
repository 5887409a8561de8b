#pragma once

#include <QImage>

// The program icon: a white window turned slightly away from the viewer, with a cyan title
// bar, a black outline and a grey shadow, on a transparent ground. At 16, 22, 24 and 32 pixels
// it is drawn pixel by pixel in colours of the standard 16-colour set (the window icon file
// holds the 32 and 16 pixel images); larger sizes are painted smoothly from the scalable
// drawing.
QImage drawProgramIcon(int size);
