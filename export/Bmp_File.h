// The bytes of a Windows BMP file: file header, information header, colour table and
// the pixel rows as the platform hands them out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace halvorn {

struct Bmp_Image {
    std::int32_t Width = 0;
    std::int32_t Height = 0;                // rows stored bottom-up
    std::uint16_t Bit_Count = 24;           // 1, 4, 8, 16, 24 or 32
    std::vector<std::uint32_t> Colours;     // colour table, 0x00RRGGBB, for 8 bits or fewer
    std::vector<std::uint8_t> Rows;         // Height rows of Bmp_Row_Size bytes each
};

// One row's bytes, padded to a multiple of four.
std::size_t Bmp_Row_Size(std::int32_t width, std::uint16_t bit_count);

// Raises std::invalid_argument for a size, depth or row data that do not fit together.
std::vector<std::uint8_t> Bmp_File_Bytes(const Bmp_Image& image);

}  // namespace halvorn
