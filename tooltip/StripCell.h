#pragma once
#include "tooltip/MarkupCanvas.h"

// The part of a bitmap strip that holds image `index` when each image is
// cx wide and cy high. A size of 0 or less means the strip's own, so a
// strip of one image needs no size. False when the strip has no such image.
bool StripCellRect(int stripWidth, int stripHeight, int index, int cx, int cy, MarkupRect& cell);
