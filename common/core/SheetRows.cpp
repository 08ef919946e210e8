#include "common/core/SheetRows.h"

#include <array>
#include <cstring>

namespace {

constexpr int kBytesPerPixel = 3;

void prComplementRow(std::uint8_t* row, int width)
{
    for (int i = 0; i < width * kBytesPerPixel; ++i)
        row[i] = static_cast<std::uint8_t>(255 - row[i]);
}

// Moves every pixel one place to the right; the last pixel wraps to the front.
void prRotateRight(std::uint8_t* row, int width)
{
    std::array<std::uint8_t, kBytesPerPixel> wrapped{};
    std::memcpy(wrapped.data(), row + (width - 1) * kBytesPerPixel, kBytesPerPixel);
    std::memmove(row + kBytesPerPixel, row, static_cast<std::size_t>(width - 1) * kBytesPerPixel);
    std::memcpy(row, wrapped.data(), kBytesPerPixel);
}

// Moves every pixel one place to the left; the first pixel wraps to the end.
void prRotateLeft(std::uint8_t* row, int width)
{
    std::array<std::uint8_t, kBytesPerPixel> wrapped{};
    std::memcpy(wrapped.data(), row, kBytesPerPixel);
    std::memmove(row, row + kBytesPerPixel, static_cast<std::size_t>(width - 1) * kBytesPerPixel);
    std::memcpy(row + (width - 1) * kBytesPerPixel, wrapped.data(), kBytesPerPixel);
}

void prTransform(TRgbRows rows, bool restore)
{
    if (rows.data == nullptr || rows.width < 1 || rows.height < 1)
        return;
    for (int r = 0; r < rows.height; ++r) {
        std::uint8_t* row = rows.data + r * rows.stride;
        switch (r % 4) {
        case 0:
            restore ? prRotateRight(row, rows.width) : prRotateLeft(row, rows.width);
            prComplementRow(row, rows.width);
            break;
        case 2:
            restore ? prRotateLeft(row, rows.width) : prRotateRight(row, rows.width);
            prComplementRow(row, rows.width);
            break;
        default: break;
        }
    }
}

} // namespace

void prRestoreRows(TRgbRows rows, int mode)
{
    if (mode == 2)
        prTransform(rows, true);
}

void prStoreRows(TRgbRows rows) { prTransform(rows, false); }
