#include <windows.h>

#include <algorithm>
#include <vector>

#include "elements/Element_Record.h"
#include "platform/Seams.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {
namespace {

using Colour_Key = Program_Test;

TEST_F(Colour_Key, UnusualGroupCodesTakeTheUnknownSwatch)
{
    Start();
    // Rows 1 to 3 with group codes that have no swatch of their own.
    static std::string text(Element_Database_Text());
    const char* codes[] = {"10", "-1", "--"};
    for (std::size_t n = 1; n <= 3; ++n) text = With_Field(text, n, 25, codes[n - 1]);
    Main().Table().Set_Database_Text(text);
    Main().Table().Build_Array_Data_ButtonClick();
    EXPECT_EQ(Elements[3].Group, Missing_Value);
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(Main().Table().Element_Box(n).Fill, RGB(192, 192, 192)) << n;
}

TEST_F(Colour_Key, ConfirmedColourRecolorsOnlyThatGroupAndCancelChangesNothing)
{
    Start();
    Component& swatch = Main().Component_Named("Transition_Metals_Colour_Shape");
    int opened = 0;
    const COLORREF chosen = RGB(12, 34, 56);
    Set_Colour_Dialog_Hook([&](HWND, COLORREF& colour) {
        ++opened;
        colour = chosen;
        return true;
    });
    const auto fills = [this] {
        std::vector<COLORREF> all;
        for (int n = 1; n <= 118; ++n) all.push_back(Main().Table().Element_Box(n).Fill);
        return all;
    };
    // The transition metals' boxes take the new colour, every other box keeps its own.
    std::vector<COLORREF> expected = fills();
    for (int n = 1; n <= 118; ++n)
        if (Elements[n].Group == 3) expected[static_cast<std::size_t>(n) - 1] = chosen;
    ASSERT_EQ(std::count(expected.begin(), expected.end(), chosen), 35);
    Press(swatch, WM_RBUTTONDOWN);  // the right button opens it as the left one does
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(swatch.Fill, chosen);
    EXPECT_EQ(fills(), expected);

    Set_Colour_Dialog_Hook([&](HWND, COLORREF& colour) {
        colour = RGB(9, 9, 9);
        return false;
    });
    Press(Main().Component_Named("Unknown_Colour_Shape"));
    EXPECT_EQ(Main().Component_Named("Unknown_Colour_Shape").Fill, RGB(192, 192, 192));
    EXPECT_EQ(fills(), expected) << "a cancelled dialog changes no box";
}

}  // namespace
}  // namespace halvorn::test
