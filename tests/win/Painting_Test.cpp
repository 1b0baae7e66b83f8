// What the table page shows on screen, read back from the windows' surfaces.
#include <windows.h>

#include <algorithm>

#include "platform/Seams.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {
namespace {

using Painting = Program_Test;

TEST_F(Painting, ShrinkingLeavesNothingOfTheLargerLayoutOutsideThePageControl)
{
    Start();
    Set_Client_Size(1382, 970);
    Set_Client_Size(691, 485);
    const Client_Pixels pixels = Read_Client_Pixels(Main().Handle());
    const RECT control = Component_List::Host_Rect(Main().Component_Named("PageControl1"));
    int stale = 0;
    for (int y = 0; y < pixels.Height; ++y)
        for (int x = 0; x < pixels.Width; ++x)
            stale += !PtInRect(&control, POINT{x, y}) && pixels.At(x, y) != GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(stale, 0) << "pixels outside the page control that are not the window's face";
}

TEST_F(Painting, ConnectorPicturesStayCleanLinesAtSmallSizes)
{
    Start();
    const Client_Pixels picture = Read_Bitmap_Pixels(Main().Component_Named("Image1").Picture->Get());
    ASSERT_GT(picture.Width, 0);
    ASSERT_EQ(std::count(picture.Colours.begin(), picture.Colours.end(), RGB(0, 0, 0)), 0);

    const COLORREF line = RGB(255, 35, 17);
    for (const SIZE client : {SIZE{250, 180}, SIZE{400, 300}, SIZE{560, 400}}) {
        Set_Client_Size(client.cx, client.cy);
        const Client_Pixels pixels = Read_Client_Pixels(Main().Component_Named("TabSheet1").Window);
        for (const char* name : {"Image1", "Image2", "Image3"}) {
            const RECT box = Component_List::Host_Rect(Main().Component_Named(name));
            int black = 0, rows_with_line = 0;
            for (int y = box.top; y < box.bottom; ++y) {
                bool has_line = false;
                for (int x = box.left; x < box.right; ++x) {
                    black += pixels.At(x, y) == RGB(0, 0, 0);
                    has_line = has_line || pixels.At(x, y) == line;
                }
                rows_with_line += has_line;
            }
            EXPECT_EQ(black, 0) << name << " at " << client.cx << " x " << client.cy;
            EXPECT_EQ(rows_with_line, box.bottom - box.top) << name << ": the line runs unbroken in its colour";
        }
    }
}

}  // namespace
}  // namespace halvorn::test
