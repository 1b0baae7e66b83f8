#include "table_view/Table_Layout.h"

#include <stdexcept>

#include "elements/Code_Tables.h"

namespace halvorn {

namespace {

constexpr int Column_Left(int column) { return 4 + 37 * (column - 1); }
constexpr int Period_Top(int period) { return 36 + 40 * (period - 1); }
constexpr int Lanthanide_Top = 331;
constexpr int Actinide_Top = 372;

}  // namespace

Design_Point Element_Box_Place(int n)
{
    if (n < 1 || n > Element_Box_Count) throw std::out_of_range("element box number");
    if (n == 1) return {Column_Left(1), Period_Top(1)};
    if (n == 2) return {Column_Left(18), Period_Top(1)};
    // Periods 2 and 3: two s-block columns, then the p block in columns 13 to 18.
    if (n <= 18) {
        const int period = n <= 10 ? 2 : 3;
        const int k = n - (period == 2 ? 3 : 11);  // 0-based place in the period
        return {Column_Left(k < 2 ? k + 1 : k + 11), Period_Top(period)};
    }
    if (n <= 54) {
        const int period = n <= 36 ? 4 : 5;
        return {Column_Left(n - (period == 4 ? 18 : 36)), Period_Top(period)};
    }
    if (n >= 57 && n <= 71) return {Column_Left(n - 53), Lanthanide_Top};
    if (n >= 89 && n <= 103) return {Column_Left(n - 85), Actinide_Top};
    const int period = n <= 86 ? 6 : 7;
    const int first = period == 6 ? 55 : 87;
    if (n <= first + 1) {
        // Boxes 87 and 88 stand one pixel right of the grid.
        return {Column_Left(n - first + 1) + (period == 7 ? 1 : 0), Period_Top(period)};
    }
    return {Column_Left(n - (first + 14) + 1), Period_Top(period)};
}

const std::array<Group_Heading, 16> Group_Headings{{
    {"StaticText1000", 16, 18, "Ia"},
    {"StaticText1001", 50, 59, "IIa"},
    {"StaticText1003", 87, 137, "IIIb"},
    {"StaticText1004", 124, 137, "IVb"},
    {"StaticText1005", 162, 137, "Vb"},
    {"StaticText1006", 197, 137, "VIb"},
    {"StaticText1007", 232, 137, "VIIb"},
    {"StaticText1008", 268, 137, "-------- VIIIa --------"},
    {"StaticText1009", 384, 137, "Ib"},
    {"StaticText1010", 421, 137, "IIb"},
    {"StaticText1011", 455, 59, "IIIa"},
    {"StaticText1012", 498, 59, "IVa"},
    {"StaticText1013", 535, 59, "Va"},
    {"StaticText1014", 572, 59, "VIa"},
    {"StaticText1015", 605, 59, "VIIa"},
    {"StaticText1016", 637, 17, "VIIIb"},
}};

const std::array<Group_Swatch, 10> Group_Swatches{{
    {"Other_Non_Metals_Colour_Shape", 8, 19, "Label1000", "Other Non-Metals", 0, 0xFFFFFF},
    {"Alkali_Metals_Colour_Shape", 8, 40, "Label1001", "Alkali Metals", 1, 0x0000FF},
    {"Alkaline_Earth_Metals_Colour_Shape", 8, 61, "Label1002", "Alkaline Earth Metals", 2, 0x00FF00},
    {"Transition_Metals_Colour_Shape", 8, 82, "Label1003", "Transition Metals", 3, 0x00FFFF},
    {"Non_Metals_Halogens_Colour_Shape", 8, 103, "Label1005", "Non-Metals (Halogens)", 5, 0xFF00FF},
    {"Other_Metals_Colour_Shape", 200, 19, "Label1004", "Other Metals", 4, 0xFF0000},
    {"Noble_Gases_Colour_Shape", 200, 40, "Label1006", "Noble Gases", 6, 0xFFFF00},
    {"Lanthanide_Series_Colour_Shape", 200, 61, "Label1008", "Lanthanide Series", 7, 0x008000},
    {"Actinide_Series_Colour_Shape", 200, 82, "Label119", "Actinide Series", 8, 0x808000},
    {"Unknown_Colour_Shape", 200, 103, "Label1009", "Unknown", 9, 0xC0C0C0},
}};

int Swatch_Index_Of_Group(std::int32_t group_code)
{
    const std::int32_t group = Swatch_Group_Of(group_code);
    for (std::size_t i = 0; i < Group_Swatches.size(); ++i)
        if (Group_Swatches[i].Group == group) return static_cast<int>(i);
    throw std::logic_error("no swatch for group");
}

}  // namespace halvorn
