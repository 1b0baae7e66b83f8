#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "export/Bmp_File.h"

namespace halvorn {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Bmp_File, RowsArePaddedToFourBytes)
{
    const struct { std::int32_t Width; std::uint16_t Bits; std::size_t Size; } cases[] = {
        {1, 24, 4}, {3, 24, 12}, {5, 24, 16}, {5, 32, 20}, {7, 16, 16}, {33, 1, 8}, {9, 4, 8}, {5, 8, 8}};
    for (const auto& c : cases) EXPECT_EQ(Bmp_Row_Size(c.Width, c.Bits), c.Size) << c.Width << " x " << c.Bits;
}

// Both headers little-endian, then the colour table (blue, green, red, 0 each), then the rows bottom-up.
TEST(Bmp_File, FileIsHeadersColourTableThenRows)
{
    const Bmp_Image true_colour{.Width = 2, .Height = 2, .Bit_Count = 24, .Colours = {},
                                .Rows = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0}};
    EXPECT_EQ(Bmp_File_Bytes(true_colour),
              (Bytes{'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                        //
                     40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0,  //
                     0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                           //
                     1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0}));

    const Bmp_Image palette{
        .Width = 3, .Height = 1, .Bit_Count = 8, .Colours = {0x00FF0000, 0x0000FF00, 0x000000FF}, .Rows = {2, 1, 0, 0}};
    EXPECT_EQ(Bmp_File_Bytes(palette),
              (Bytes{'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 66, 0, 0, 0,                       //
                     40, 0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0, 1, 0, 8, 0, 0, 0, 0, 0, 4, 0, 0, 0,  //
                     0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0,                          //
                     0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 2, 1, 0, 0}));
}

}  // namespace
}  // namespace halvorn
