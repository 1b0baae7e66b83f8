#include <gtest/gtest.h>

#include <set>

#include "elements/Code_Tables.h"
#include "table_view/Table_Layout.h"

namespace halvorn {
namespace {

// The table as drawn: box numbers by row (period 1..7, lanthanides, actinides) and column.
constexpr int Rows[9][18] = {
    {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2},
    {3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 6, 7, 8, 9, 10},
    {11, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 13, 14, 15, 16, 17, 18},
    {19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36},
    {37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54},
    {55, 56, 0, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84, 85, 86},
    {87, 88, 0, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118},
    {0, 0, 0, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71},
    {0, 0, 0, 89, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 100, 101, 102, 103},
};
constexpr int Row_Tops[9] = {36, 76, 116, 156, 196, 236, 276, 331, 372};

TEST(Table_Layout, EveryBoxStandsAtItsDesignPlace)
{
    std::set<int> seen;
    for (int row = 0; row < 9; ++row) {
        for (int column = 1; column <= 18; ++column) {
            const int n = Rows[row][column - 1];
            if (n == 0) continue;
            seen.insert(n);
            int left = 4 + 37 * (column - 1);
            if (n == 87 || n == 88) ++left;  // one pixel right of the grid
            const Design_Point place = Element_Box_Place(n);
            EXPECT_EQ(place.Left, left) << "box " << n;
            EXPECT_EQ(place.Top, Row_Tops[row]) << "box " << n;
        }
    }
    EXPECT_EQ(seen.size(), 118u);
    EXPECT_THROW(Element_Box_Place(0), std::out_of_range);
    EXPECT_THROW(Element_Box_Place(119), std::out_of_range);
}

TEST(Table_Layout, GroupCodesFindTheirSwatches)
{
    const struct { std::int32_t Group; std::string_view Swatch; } cases[] = {
        {0, "Other_Non_Metals_Colour_Shape"}, {1, "Alkali_Metals_Colour_Shape"},
        {3, "Transition_Metals_Colour_Shape"}, {4, "Other_Metals_Colour_Shape"},
        {5, "Non_Metals_Halogens_Colour_Shape"}, {8, "Actinide_Series_Colour_Shape"},
        {9, "Unknown_Colour_Shape"}, {10, "Unknown_Colour_Shape"}, {-1, "Unknown_Colour_Shape"},
        {-123456789, "Unknown_Colour_Shape"}, {INT32_MAX, "Unknown_Colour_Shape"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Group_Swatches[static_cast<std::size_t>(Swatch_Index_Of_Group(c.Group))].Name, c.Swatch)
            << "group " << c.Group;
}

TEST(Code_Tables, NamesAreIndexedByTheStoredCode)
{
    EXPECT_EQ(Synthetic_Names[0], "No");
    EXPECT_EQ(Synthetic_Names[1], "Yes");
    EXPECT_EQ(Crystal_Structure_Names[1], "Cubic (face centered)");
    EXPECT_EQ(Crystal_Structure_Names[8], "Monoclinic");
    EXPECT_EQ(Acid_Base_Names[4], Acid_Base_Names[10]);
    EXPECT_EQ(Acid_Base_Names[9], "Amphoteric (Acid and Base)");
    EXPECT_EQ(State_Names[1], "Gas");
    EXPECT_EQ(Metal_Names[3], "Semi-Metal");
    EXPECT_EQ(Group_Names[0], "Other Non-Metals");
    EXPECT_EQ(Group_Names[9], "Unknown");
    EXPECT_FALSE(Crystal_Structure_Names.Holds(-123456789));
    EXPECT_FALSE(Acid_Base_Names.Holds(0));
    EXPECT_TRUE(Acid_Base_Names.Holds(10));
    EXPECT_FALSE(Synthetic_Names.Holds(2));
}

}  // namespace
}  // namespace halvorn
