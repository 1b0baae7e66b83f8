#include <windows.h>

#include "app/Command_Ids.h"
#include "platform/Gdi_Owners.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {
namespace {

using Graph_Page_Test = Program_Test;

void Command(HWND main, int id) { SendMessageW(main, WM_COMMAND, static_cast<WPARAM>(id), 0); }

TEST_F(Graph_Page_Test, ArrowsWrapAroundAndEveryChangeRedraws)
{
    Start();
    Graph_Page& graph = Main().Graph();
    ASSERT_EQ(graph.Graph_Index(), 0);
    EXPECT_EQ(graph.Chart1().Model.Title.Lines(), std::vector<std::string>{"Atomic Number"}) << "drawn at start-up";

    Command(Main().Handle(), Previous_Graph_SpeedButton);
    EXPECT_EQ(graph.Graph_Index(), 15);
    EXPECT_EQ(graph.Chart1().Model.Title.Lines(), std::vector<std::string>{"Year of Discovery"});
    Command(Main().Handle(), Next_Graph_SpeedButton);
    EXPECT_EQ(graph.Graph_Index(), 0);
    Command(Main().Handle(), Next_Graph_SpeedButton);
    EXPECT_EQ(graph.Chart1().Model.Title.Lines(), std::vector<std::string>{"Atomic Radius (A)"});

    // Picking in the list draws too; selecting by program alone does not.
    const HWND list = Main().Component_Named("Graph_Type_ComboBox").Window;
    SendMessageW(list, CB_SETCURSEL, 6, 0);
    EXPECT_EQ(graph.Chart1().Model.Title.Lines(), std::vector<std::string>{"Atomic Radius (A)"});
    SendMessageW(Main().Handle(), WM_COMMAND, MAKEWPARAM(Graph_Type_ComboBox, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(graph.Chart1().Model.Title.Lines(), std::vector<std::string>{"Density (g/mL) "});
}

TEST_F(Graph_Page_Test, ASavedGraphThePageDoesNotHaveGivesTheFirst)
{
    Write_Ini("[Halvorn]\r\nGraph_Type_ComboBox=-1\r\n");
    Start();
    EXPECT_EQ(Main().Graph().Graph_Index(), 0);
    EXPECT_FALSE(Main().Graph().Chart1().Model.Title.Lines().empty());
    Close();
    EXPECT_NE(Read_Ini().find("\r\nGraph_Type_ComboBox=0\r\n"), std::string::npos);
}

TEST_F(Graph_Page_Test, CopyFromTheMenuShowsTheGraphAndCopiesItWithTheCreditLineOnly)
{
    Start();
    Set_Client_Size(Main().Scaler().Design_Client_Width(), Main().Scaler().Design_Client_Height());
    ASSERT_EQ(Main().Pages().Active_Page(), 0);
    Clipboard_Text(L"");
    Command(Main().Handle(), Copy_Graph_To_Windows_Clipboard_Option);
    EXPECT_EQ(Main().Pages().Active_Page(), 1);
    EXPECT_TRUE(IsWindowVisible(Main().Component_Named("TabSheet2").Window));
    EXPECT_TRUE(Boxes.empty());
    EXPECT_TRUE(Main().Graph().Chart1().Model.Foot.Empty()) << "the screen never shows the credit line";

    const Client_Pixels copied = Clipboard_Bitmap();
    const Chart_Model credited = Main().Graph().Credited_Chart();
    EXPECT_EQ(credited.Foot.Lines(), std::vector<std::string>{"Courtesy of : Halvorn v2.0b          WEB Page : " +
                                                              Program().Texts.Web_Address});
    const Bitmap_Handle expected = Main().Graph().Chart1().Render_To_Bitmap(credited);
    EXPECT_TRUE(copied.Colours == Read_Bitmap_Pixels(expected.Get()).Colours) << "the copy is the credited chart";
    const Bitmap_Handle on_screen = Main().Graph().Chart1().Render_To_Bitmap(Main().Graph().Chart1().Model);
    EXPECT_FALSE(Read_Bitmap_Pixels(on_screen.Get()).Colours == copied.Colours) << "the credit line shows in the copy";
}

TEST_F(Graph_Page_Test, PointerOverAPointNamesItsElementAndAClickOpensItsReport)
{
    Write_Ini("[Halvorn]\r\nGraph_Type_ComboBox=6\r\n");
    Start();
    Set_Client_Size(Main().Scaler().Design_Client_Width(), Main().Scaler().Design_Client_Height());
    Command(Main().Handle(), Next_Graph_SpeedButton);
    Command(Main().Handle(), Previous_Graph_SpeedButton);
    Main().Pages().Show_Page(1);
    Graph_Page& graph = Main().Graph();
    const Component& chart = graph.Chart1_Component();
    // Iron is the 26th element with a density.
    const Pixel_Point& iron = graph.Chart1().Layout().Line.at(25);
    EXPECT_EQ(graph.Point_Tip(iron.Point), L"Iron (Fe), 26 : 7.87");
    const HWND page = Main().Component_Named("TabSheet2").Window;
    const LPARAM at = MAKELPARAM(chart.Left + static_cast<int>(iron.X), chart.Top + static_cast<int>(iron.Y));
    SendMessageW(page, WM_MOUSEMOVE, 0, at);
    SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_TRUE(IsWindowVisible(Program().Element_Report_Form.Handle()));
    EXPECT_EQ(Window_Text(Program().Element_Report_Form.Handle()), "Iron Properties :");

    // Away from every point a click opens nothing.
    ShowWindow(Program().Element_Report_Form.Handle(), SW_HIDE);
    const LPARAM corner = MAKELPARAM(chart.Left + 2, chart.Top + 2);
    SendMessageW(page, WM_MOUSEMOVE, 0, corner);
    SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, corner);
    EXPECT_FALSE(IsWindowVisible(Program().Element_Report_Form.Handle()));
}

}  // namespace
}  // namespace halvorn::test
