#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "export/Bmp_File.h"

namespace halvorn {
namespace {

std::uint32_t Read(const std::vector<std::uint8_t>& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | bytes.at(at + static_cast<std::size_t>(i));
    return value;
}

TEST(Bmp_File, RowsArePaddedToFourBytes)
{
    EXPECT_EQ(Bmp_Row_Size(1, 24), 4u);
    EXPECT_EQ(Bmp_Row_Size(3, 24), 12u);
    EXPECT_EQ(Bmp_Row_Size(5, 24), 16u);
    EXPECT_EQ(Bmp_Row_Size(5, 32), 20u);
    EXPECT_EQ(Bmp_Row_Size(7, 16), 16u);
    EXPECT_EQ(Bmp_Row_Size(33, 1), 8u);
    EXPECT_EQ(Bmp_Row_Size(9, 4), 8u);
    EXPECT_EQ(Bmp_Row_Size(5, 8), 8u);
}

TEST(Bmp_File, TrueColourFileHasHeadersThenRows)
{
    Bmp_Image image;
    image.Width = 2;
    image.Height = 2;
    image.Bit_Count = 24;
    image.Rows = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    const std::vector<std::uint8_t> bytes = Bmp_File_Bytes(image);

    ASSERT_EQ(bytes.size(), 14u + 40u + 16u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Read(bytes, 2, 4), 70u);   // file size
    EXPECT_EQ(Read(bytes, 6, 4), 0u);
    EXPECT_EQ(Read(bytes, 10, 4), 54u);  // pixels start after both headers
    EXPECT_EQ(Read(bytes, 14, 4), 40u);
    EXPECT_EQ(Read(bytes, 18, 4), 2u);   // width
    EXPECT_EQ(Read(bytes, 22, 4), 2u);   // height, rows bottom-up
    EXPECT_EQ(Read(bytes, 26, 2), 1u);   // planes
    EXPECT_EQ(Read(bytes, 28, 2), 24u);
    EXPECT_EQ(Read(bytes, 30, 4), 0u);   // uncompressed
    EXPECT_EQ(Read(bytes, 34, 4), 16u);  // image size
    EXPECT_EQ(Read(bytes, 46, 4), 0u);   // no colour table
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 54, bytes.end()), image.Rows);
}

TEST(Bmp_File, PaletteFileCarriesItsColourTable)
{
    Bmp_Image image;
    image.Width = 3;
    image.Height = 1;
    image.Bit_Count = 8;
    image.Colours = {0x00FF0000, 0x0000FF00, 0x000000FF};
    image.Rows = {2, 1, 0, 0};
    const std::vector<std::uint8_t> bytes = Bmp_File_Bytes(image);

    ASSERT_EQ(bytes.size(), 14u + 40u + 12u + 4u);
    EXPECT_EQ(Read(bytes, 10, 4), 66u);
    EXPECT_EQ(Read(bytes, 46, 4), 3u);  // colours used
    // Each entry is blue, green, red and a zero.
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 54, bytes.begin() + 66),
              (std::vector<std::uint8_t>{0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0}));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 66, bytes.end()), image.Rows);
}

}  // namespace
}  // namespace halvorn
