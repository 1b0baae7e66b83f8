// What the table page shows on screen, read back from the windows' surfaces.
#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/Seams.h"
#include "platform/Win_Text.h"
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

TEST_F(Painting, AtTwiceTheDesignSizeEveryLabelHoldsItsCaption)
{
    Start();
    Set_Client_Size(1382, 970);
    Font_Cache fonts;
    HDC screen = GetDC(nullptr);
    int labels = 0;
    for (std::size_t i = 0; i < Main().Components().Count(); ++i) {
        const Component& label = Main().Components().At(i);
        if (label.Kind != Component_Kind::Label || label.Caption.empty() || (label.Text_Format & DT_WORDBREAK)) continue;
        const HGDIOBJ previous = SelectObject(screen, fonts.Get(label.Font));
        const std::wstring caption = Widen(label.Caption);
        SIZE extent{};
        GetTextExtentPoint32W(screen, caption.c_str(), static_cast<int>(caption.size()), &extent);
        SelectObject(screen, previous);
        EXPECT_GE(label.Width, extent.cx) << label.Name << " \"" << label.Caption << "\" at " << label.Font.Points << " pt";
        EXPECT_GE(label.Height, extent.cy) << label.Name;
        ++labels;
    }
    ReleaseDC(nullptr, screen);
    EXPECT_GE(labels, 16 + 10) << "the headings and the colour key's captions at least";
}

TEST_F(Painting, SnapshotCaptionIsWrappedAndCentredBothWays)
{
    Start();
    Component& label = Main().Table().Message_Label_1();
    label.Caption = "Halvorn v2.0b  -  the Periodic Table of the Elements";
    label.Visible = true;
    const HWND page = Main().Component_Named("TabSheet1").Window;
    InvalidateRect(page, nullptr, FALSE);
    const Client_Pixels pixels = Read_Client_Pixels(page);
    const RECT box = Component_List::Host_Rect(label);
    RECT ink{box.right, box.bottom, box.left, box.top};
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (pixels.At(x, y) == RGB(255, 0, 0)) {
                ink.left = std::min<LONG>(ink.left, x), ink.right = std::max<LONG>(ink.right, x + 1);
                ink.top = std::min<LONG>(ink.top, y), ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            }
    ASSERT_LT(ink.left, ink.right) << "no red text in the label's box";
    EXPECT_GT(ink.bottom - ink.top, 15) << "more than one line of 13-pixel text";
    EXPECT_NEAR(ink.top - box.top, box.bottom - ink.bottom, 3);
    EXPECT_NEAR(ink.left - box.left, box.right - ink.right, 3);
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
