#pragma once

#include <QFont>
#include <QSize>

#include "platform/how_it_works/records/code_index.h"

namespace forms {

// The room, in pixels, that the handlers' text takes in `font`: the widest of their lines by
// the most lines of any, with the comment above each. A pane that size shows every handler
// whole.
QSize longestHandlerRoom(const CodeIndex& code, const QFont& font);

// The height, in pixels, of the handler that takes the most rows in `font` when each line wraps
// at `width` as the code pane wraps it. A pane of that text height shows every handler whole.
int wrappedHandlerHeight(const CodeIndex& code, const QFont& font, int width);

// The height of the tallest heading comment of a file that defines handlers, wrapped at
// `width` in `font`.
int tallestHeading(const CodeIndex& code, const QFont& font, int width);

}  // namespace forms
