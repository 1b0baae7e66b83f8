#include <gtest/gtest.h>

#include <stdexcept>

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

}  // namespace
}  // namespace halvorn
