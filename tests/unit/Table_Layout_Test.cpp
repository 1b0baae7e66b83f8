#include <gtest/gtest.h>

#include <climits>

#include "table_view/Table_Layout.h"

namespace halvorn {
namespace {

// The places themselves are checked on the drawn window; here, that no two boxes overlap.
TEST(Table_Layout, NoTwoBoxesOverlap)
{
    for (int a = 1; a <= Element_Box_Count; ++a)
        for (int b = a + 1; b <= Element_Box_Count; ++b) {
            const Design_Point p = Element_Box_Place(a), q = Element_Box_Place(b);
            const bool apart = p.Left + Box_Width <= q.Left || q.Left + Box_Width <= p.Left ||
                               p.Top + Box_Height <= q.Top || q.Top + Box_Height <= p.Top;
            EXPECT_TRUE(apart) << "boxes " << a << " and " << b;
        }
    EXPECT_THROW(Element_Box_Place(0), std::out_of_range);
    EXPECT_THROW(Element_Box_Place(119), std::out_of_range);
}

TEST(Table_Layout, GroupCodesFindTheirSwatches)
{
    const struct { std::int32_t Group; std::string_view Swatch; } cases[] = {
        {0, "Other_Non_Metals_Colour_Shape"}, {4, "Other_Metals_Colour_Shape"},
        {5, "Non_Metals_Halogens_Colour_Shape"}, {8, "Actinide_Series_Colour_Shape"},
        {9, "Unknown_Colour_Shape"}, {10, "Unknown_Colour_Shape"}, {-1, "Unknown_Colour_Shape"},
        {-123456789, "Unknown_Colour_Shape"}, {INT32_MAX, "Unknown_Colour_Shape"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Group_Swatches[static_cast<std::size_t>(Swatch_Index_Of_Group(c.Group))].Name, c.Swatch)
            << "group " << c.Group;
}

}  // namespace
}  // namespace halvorn
