#include "common/core/Rect.h"

TRect fnPlaceRect(int left, int top, int width, int height, const TRect& source)
{
    TRect rect;
    rect.Left = left;
    rect.Top = top;
    rect.Right = left + (width == 0 ? source.Right - source.Left : width);
    rect.Bottom = top + (height == 0 ? source.Bottom - source.Top : height);
    return rect;
}
