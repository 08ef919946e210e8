#include "common/core/SheetRows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// A sheet whose pixel (x, y) is a colour unique to that place.
std::vector<std::uint8_t> fnNumbered(int width, int height, std::ptrdiff_t stride)
{
    std::vector<std::uint8_t> data(static_cast<std::size_t>(stride * height), 0xEE);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = data.data() + y * stride + x * 3;
            p[0] = static_cast<std::uint8_t>(x * 7 + y);
            p[1] = static_cast<std::uint8_t>(y * 13 + 1);
            p[2] = static_cast<std::uint8_t>(x ^ y);
        }
    return data;
}

std::uint8_t fnChannel(const std::vector<std::uint8_t>& data, std::ptrdiff_t stride, int x, int y, int c)
{
    return data[static_cast<std::size_t>(y * stride + x * 3 + c)];
}

TEST(RestoreRows, RotatesAndComplementsEveryOtherRow)
{
    const int width = 4, height = 4;
    const std::ptrdiff_t stride = width * 3;
    const auto original = fnNumbered(width, height, stride);
    auto sheet = original;
    prRestoreRows(TRgbRows{sheet.data(), width, height, stride}, 2);

    // Row 0 (A, B, C, D) -> (~D, ~A, ~B, ~C); row 2 -> (~B, ~C, ~D, ~A); rows 1, 3 stay.
    const int row0From[4] = {3, 0, 1, 2};
    const int row2From[4] = {1, 2, 3, 0};
    for (int x = 0; x < width; ++x)
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(fnChannel(sheet, stride, x, 0, c), 255 - fnChannel(original, stride, row0From[x], 0, c));
            EXPECT_EQ(fnChannel(sheet, stride, x, 2, c), 255 - fnChannel(original, stride, row2From[x], 2, c));
            EXPECT_EQ(fnChannel(sheet, stride, x, 1, c), fnChannel(original, stride, x, 1, c));
            EXPECT_EQ(fnChannel(sheet, stride, x, 3, c), fnChannel(original, stride, x, 3, c));
        }
}

TEST(RestoreRows, UndoesTheStoredFormForEveryWidth)
{
    for (int width = 1; width <= 9; ++width) {
        for (int height : {1, 3, 4, 7}) {
            const std::ptrdiff_t stride = ((width * 3 + 3) / 4) * 4 + 4; // padded rows, as bitmaps have
            const auto original = fnNumbered(width, height, stride);
            auto sheet = original;
            prStoreRows(TRgbRows{sheet.data(), width, height, stride});
            if (width >= 2) {
                EXPECT_NE(sheet, original) << width << "x" << height;
            }
            prRestoreRows(TRgbRows{sheet.data(), width, height, stride}, 2);
            EXPECT_EQ(sheet, original) << width << "x" << height; // padding untouched too
        }
    }
}

TEST(RestoreRows, OtherModesAndEmptySheetsLeaveItAlone)
{
    const int width = 3, height = 4;
    const auto original = fnNumbered(width, height, width * 3);
    for (int mode : {0, 1, 3, -2}) {
        auto sheet = original;
        prRestoreRows(TRgbRows{sheet.data(), width, height, width * 3}, mode);
        EXPECT_EQ(sheet, original) << mode;
    }
    prRestoreRows(TRgbRows{nullptr, 0, 0, 0}, 2);
    prStoreRows(TRgbRows{nullptr, 5, 5, 15});
}

} // namespace
