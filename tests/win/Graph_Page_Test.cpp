#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Gdi_Owners.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "resources/Command_Ids.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {
namespace {

using Graph_Page_Test = Program_Test;

// The user's thousands and decimal separators for one test, given back after it.
struct User_Separators {
    User_Separators(const wchar_t* thousands, const wchar_t* decimal)
    {
        for (std::size_t i = 0; i < 2; ++i) GetLocaleInfoW(LOCALE_USER_DEFAULT, Types[i], Saved[i], 8);
        Set(thousands, decimal);
    }
    ~User_Separators() { Set(Saved[0], Saved[1]); }
    static void Set(const wchar_t* thousands, const wchar_t* decimal)
    {
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousands);
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal);
    }
    static constexpr LCTYPE Types[2] = {LOCALE_STHOUSAND, LOCALE_SDECIMAL};
    wchar_t Saved[2][8] = {};
};

TEST_F(Graph_Page_Test, CopyFromTheMenuShowsTheGraphAndCopiesItWithTheCreditLineOnly)
{
    Start();
    Set_Client_Size(Main().Scaler().Design_Client_Width(), Main().Scaler().Design_Client_Height());
    ASSERT_EQ(Main().Pages().Active_Page(), 0);
    // The arrows go round: before the first graph comes the last.
    Notify(Main().Component_Named("Previous_Graph_SpeedButton"));
    EXPECT_EQ(Main().Graph().Chart1().Model.Title.Lines(), std::vector<std::string>{"Year of Discovery"});
    Clipboard_Text(L"");
    Command(Copy_Graph_To_Windows_Clipboard_Option);
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

// "#,##0.###" places the separators on the axes; the user's settings choose them, as for
// the tips and the report.
TEST_F(Graph_Page_Test, AxisNumbersUseTheUsersSeparators)
{
    const User_Separators user(L".", L",");
    Write_Ini("[Halvorn]\r\nGraph_Type_ComboBox=4\r\n");
    Start();
    Set_Client_Size(Main().Scaler().Design_Client_Width(), Main().Scaler().Design_Client_Height());
    Graph_Page& graph = Main().Graph();
    const auto tick_labels = [&graph] {
        std::vector<std::string> labels;
        for (const Left_Axis_Tick& tick : graph.Chart1().Layout().Left_Ticks) labels.push_back(tick.Label.Text);
        return labels;
    };
    EXPECT_EQ(tick_labels().back(), "6.000") << "boiling points up to rhenium's";
    EXPECT_EQ(graph.Point_Tip(73), L"Rhenium (Re), 75 : 5.869");
    graph.Select_Graph(1);
    graph.Graph_Type_ComboBoxChange();
    const std::vector<std::string> radii = tick_labels();
    EXPECT_NE(std::find(radii.begin(), radii.end(), "0,5"), radii.end()) << ::testing::PrintToString(radii);
}

// The tip and a click name the point under the pointer on the graph shown: a redraw or a
// click forgets the point, and after a click no tip shows until the pointer moves.
TEST_F(Graph_Page_Test, PointerOverAPointNamesItsElementAndAClickOpensItsReport)
{
    Write_Ini("[Halvorn]\r\nGraph_Type_ComboBox=1\r\n");
    Start();
    Set_Client_Size(Main().Scaler().Design_Client_Width(), Main().Scaler().Design_Client_Height());
    Main().Pages().Show_Page(1);
    Graph_Page& graph = Main().Graph();
    const Component& chart = graph.Chart1_Component();
    const HWND page = Main().Component_Named("TabSheet2").Window;
    const HWND report = Program().Element_Report_Form.Handle();
    // Potassium is the 19th element with an atomic radius.
    const Pixel_Point potassium = graph.Chart1().Layout().Line.at(18);
    ASSERT_EQ(graph.Point_Tip(potassium.Point), L"Potassium (K), 19 : 2.77");
    const auto near_potassium = [&](int dx) {
        return MAKELPARAM(chart.Left + static_cast<int>(potassium.X) + dx, chart.Top + static_cast<int>(potassium.Y));
    };
    const LPARAM corner = MAKELPARAM(chart.Left + 2, chart.Top + 2);
    const auto move = [page](LPARAM at) { SendMessageW(page, WM_MOUSEMOVE, 0, at); };
    const auto tip_shown = [&graph] { return IsWindowVisible(graph.Point_Tip_Window()) != FALSE; };
    const auto report_after_click = [&](LPARAM at) {
        ShowWindow(report, SW_HIDE);
        SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, at);
        return IsWindowVisible(report) ? Window_Text(report) : std::string("(none)");
    };

    move(near_potassium(0));
    ASSERT_TRUE(tip_shown());
    EXPECT_EQ(report_after_click(near_potassium(0)), "Potassium Properties :");
    EXPECT_FALSE(tip_shown()) << "the tip stays over the report";
    move(near_potassium(0));
    EXPECT_FALSE(tip_shown()) << "told of a move where the pointer rests";
    move(corner);
    EXPECT_EQ(report_after_click(corner), "(none)") << "away from every point";
    move(near_potassium(1));
    EXPECT_TRUE(tip_shown());

    // The next graph, from the keyboard, under the resting pointer.
    SetFocus(Main().Component_Named("Graph_Type_ComboBox").Window);
    Press_Key(VK_DOWN);
    ASSERT_EQ(graph.Graph_Index(), 2);
    EXPECT_FALSE(tip_shown()) << "the tip names potassium over the new graph";
    EXPECT_EQ(report_after_click(near_potassium(1)), "(none)");
}

}  // namespace
}  // namespace halvorn::test
