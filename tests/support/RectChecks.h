// Layout checks on the geometry tables, for the engine tests.
#pragma once

#include "common/core/Rect.h"

// Whether two rectangles share a pixel (touching edges do not).
inline bool fnOverlap(const TRect& a, const TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// Whether a rectangle lies wholly within another.
inline bool fnInside(const TRect& inner, const TRect& outer)
{
    return outer.Left <= inner.Left && inner.Right <= outer.Right && outer.Top <= inner.Top
           && inner.Bottom <= outer.Bottom;
}
