#pragma once

#include <QByteArray>
#include <QImage>

// The program icon as a drawing of lines and areas, for sizes the pixel drawings do not cover:
// the same window, title bar, outline and shadow as the small icons, on a 256-unit square.

// The drawing painted smoothly at size x size pixels, on a transparent ground.
QImage paintScalableIcon(int size);

// The drawing as an SVG document for the icon theme's scalable size.
QByteArray scalableIconSvg();
