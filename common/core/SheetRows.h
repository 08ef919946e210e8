// The row transform of picture stores on a plain 24-bit buffer. Stores keep
// every row 0 mod 4 rotated left and every row 2 mod 4 rotated right by one
// pixel, with those rows' colours complemented; restoring undoes that.
#pragma once

#include <cstddef>
#include <cstdint>

// A 24-bit picture in memory: three bytes a pixel, rows from the top,
// `stride` bytes from one row to the next (at least 3 * width).
struct TRgbRows {
    std::uint8_t* data = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
};

// Turns a stored picture back into the shown one. Only mode 2 changes anything.
void prRestoreRows(TRgbRows rows, int mode);

// The inverse: turns a shown picture into its stored form (used by the
// picture generator and by tests).
void prStoreRows(TRgbRows rows);
