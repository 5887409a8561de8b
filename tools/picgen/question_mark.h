#pragma once

#include <QImage>

// The 57 x 49 yellow question mark on blue that hides the club crest until the mouse comes.
QImage drawQuestionMark();
