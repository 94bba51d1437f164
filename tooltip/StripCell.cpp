#include "tooltip/StripCell.h"

#include <algorithm>

bool StripCellRect(int stripWidth, int stripHeight, int index, int cx, int cy, MarkupRect& cell)
{
    if (stripWidth <= 0 || stripHeight <= 0 || index < 0)
        return false;
    const int width = cx > 0 ? std::min(cx, stripWidth) : stripWidth;
    const int height = cy > 0 ? std::min(cy, stripHeight) : stripHeight;
    if (index >= stripWidth / width)
        return false;
    cell = MarkupRect{index * width, 0, index * width + width, height};
    return true;
}
