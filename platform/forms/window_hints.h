#pragma once

class QWidget;

namespace forms {

// Tells the window manager that a fixed-size window can be moved, minimised and closed but
// neither resized nor maximised. Qt's own hints offer resizing whatever the size limits say.
// Does nothing where the window system has no such hints (only X11 has them).
void offerNoResizing(QWidget* window);

}  // namespace forms
