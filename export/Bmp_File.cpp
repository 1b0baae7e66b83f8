#include "export/Bmp_File.h"

#include <stdexcept>

namespace halvorn {

namespace {

constexpr std::uint32_t File_Header_Size = 14;
constexpr std::uint32_t Info_Header_Size = 40;

// The format is little-endian whatever the machine.
void Put(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::size_t Bmp_Row_Size(std::int32_t width, std::uint16_t bit_count)
{
    const auto bits = static_cast<std::size_t>(width) * bit_count;
    return (bits + 31) / 32 * 4;
}

std::vector<std::uint8_t> Bmp_File_Bytes(const Bmp_Image& image)
{
    switch (image.Bit_Count) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        break;
    default:
        throw std::invalid_argument("unsupported bit count");
    }
    if (image.Width <= 0 || image.Height <= 0) throw std::invalid_argument("empty picture");
    if (image.Bit_Count > 8 ? !image.Colours.empty() : image.Colours.size() > (1u << image.Bit_Count))
        throw std::invalid_argument("colour table does not fit the bit count");
    const std::size_t rows_size = Bmp_Row_Size(image.Width, image.Bit_Count) * static_cast<std::size_t>(image.Height);
    if (image.Rows.size() != rows_size) throw std::invalid_argument("pixel rows do not fit the size");

    const auto table_size = static_cast<std::uint32_t>(image.Colours.size() * 4);
    const std::uint32_t pixel_offset = File_Header_Size + Info_Header_Size + table_size;
    const auto file_size = static_cast<std::uint64_t>(pixel_offset) + rows_size;
    if (file_size > UINT32_MAX) throw std::invalid_argument("picture too large for a BMP file");

    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(file_size));
    bytes.push_back('B');
    bytes.push_back('M');
    Put(bytes, static_cast<std::uint32_t>(file_size), 4);
    Put(bytes, 0, 4);  // reserved
    Put(bytes, pixel_offset, 4);

    Put(bytes, Info_Header_Size, 4);
    Put(bytes, static_cast<std::uint32_t>(image.Width), 4);
    Put(bytes, static_cast<std::uint32_t>(image.Height), 4);
    Put(bytes, 1, 2);  // planes
    Put(bytes, image.Bit_Count, 2);
    Put(bytes, 0, 4);  // uncompressed
    Put(bytes, static_cast<std::uint32_t>(rows_size), 4);
    Put(bytes, 0, 4);  // no resolution recorded
    Put(bytes, 0, 4);
    Put(bytes, static_cast<std::uint32_t>(image.Colours.size()), 4);
    Put(bytes, 0, 4);  // every colour counts

    for (const std::uint32_t colour : image.Colours) Put(bytes, colour & 0x00FFFFFFu, 4);  // blue, green, red, 0
    bytes.insert(bytes.end(), image.Rows.begin(), image.Rows.end());
    return bytes;
}

}  // namespace halvorn
