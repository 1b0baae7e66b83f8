#include <gtest/gtest.h>

#include <stdexcept>

#include "table_view/Table_Layout.h"

namespace halvorn {
namespace {

// Places worked out by hand from the grid rule, with the two boxes of period 7 that stand
// one pixel right of it; and no two boxes overlap.
TEST(Table_Layout, BoxesStandOnTheGridWithoutOverlap)
{
    const struct { int Box, Left, Top; } places[] = {
        {1, 4, 36}, {2, 633, 36}, {5, 448, 76}, {13, 448, 116}, {26, 263, 156}, {55, 4, 236}, {57, 115, 331},
        {71, 633, 331}, {72, 115, 236}, {87, 5, 276}, {88, 42, 276}, {89, 115, 372}, {104, 115, 276}, {118, 633, 276}};
    for (const auto& place : places) {
        EXPECT_EQ(Element_Box_Place(place.Box).Left, place.Left) << place.Box;
        EXPECT_EQ(Element_Box_Place(place.Box).Top, place.Top) << place.Box;
    }
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

}  // namespace
}  // namespace halvorn
