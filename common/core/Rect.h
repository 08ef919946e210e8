// Core layer. Pixel rectangles: the pieces cut from a picture sheet and the
// places they and the fields go, shared by the pages and the picture generator.
#pragma once

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TRect&, const TRect&) = default;
};

// A point on a sheet or a panel, or an offset from a piece's top-left corner.
struct TPoint {
    int X = 0;
    int Y = 0;
    friend constexpr TPoint operator+(TPoint a, TPoint b) { return {a.X + b.X, a.Y + b.Y}; }
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle at (left, top); a width or height of 0 takes the source's.
TRect fnPlaceRect(int left, int top, int width, int height, const TRect& source);

// A rectangle of a size at a place, for the tables of pieces and places.
constexpr TRect fnRectAt(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }
constexpr TRect fnRectAt(TPoint at, int width, int height) { return fnRectAt(at.X, at.Y, width, height); }
constexpr int fnWidth(const TRect& rect) { return rect.Right - rect.Left; }
constexpr int fnHeight(const TRect& rect) { return rect.Bottom - rect.Top; }
constexpr TPoint fnTopLeft(const TRect& rect) { return {rect.Left, rect.Top}; }
