// Design layout of the periodic-table page: where each element box, heading and colour
// swatch stands, in pixels at 96 dpi relative to its parent.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace halvorn {

inline constexpr int Box_Width = 35;
inline constexpr int Box_Height = 40;
inline constexpr int Element_Box_Count = 118;

struct Design_Point {
    int Left;
    int Top;
};

// Design position of element box n (1 to 118) on the table page.
Design_Point Element_Box_Place(int number);

// Every heading is sized to its caption, the one over columns 8 to 10 included (about
// 100 wide at the design size).
struct Group_Heading {
    std::string_view Name;
    int Left, Top;
    std::string_view Caption;
};

extern const std::array<Group_Heading, 16> Group_Headings;

// Colours are 0x00BBGGRR.
struct Group_Swatch {
    std::string_view Name;          // also the settings key
    int Left, Top;                  // relative to the group colour key
    std::string_view Label_Name;
    std::string_view Caption;
    std::int32_t Group;             // group code coloured by this swatch
    std::uint32_t Default_Colour;
};

// In the order of the settings file keys; position in the key is the swatch's own.
extern const std::array<Group_Swatch, 10> Group_Swatches;

// Index into Group_Swatches of the swatch for a group code (0 to 9).
int Swatch_Index_Of_Group(std::int32_t group_code);

}  // namespace halvorn
