#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "elements/Element_Record.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "resources/Command_Ids.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {
namespace {

class Table_Colours : public Program_Test {
protected:
    std::vector<COLORREF> Fills()
    {
        std::vector<COLORREF> fills;
        for (int n = 1; n <= 118; ++n) fills.push_back(Main().Table().Element_Box(n).Fill);
        return fills;
    }
    COLORREF Fill(int number) { return Main().Table().Element_Box(number).Fill; }
    // Types into a control of the page as the user would, and lets it tell the page.
    void Type(const char* control, const char* text)
    {
        Set_Window_Text(Main().Component_Named(control).Window, text);
        Process_Messages();
    }
    std::set<int> Boxes_Filled_As(int number)
    {
        std::set<int> same;
        for (int n = 1; n <= 118; ++n)
            if (Fill(n) == Fill(number)) same.insert(n);
        return same;
    }
};

// A colour chosen for a swatch colours its group's boxes and no others; a cancelled
// dialog changes nothing.
TEST_F(Table_Colours, AColourChosenInTheKeyRecoloursOnlyThatGroup)
{
    Start();
    Component& swatch = Main().Component_Named("Transition_Metals_Colour_Shape");
    int opened = 0;
    const COLORREF chosen = RGB(12, 34, 56);
    Set_Colour_Dialog_Hook([&](HWND, COLORREF& colour) { ++opened; colour = chosen; return true; });
    std::vector<COLORREF> expected = Fills();
    for (int n = 1; n <= 118; ++n)
        if (Elements[n].Group == 3) expected[static_cast<std::size_t>(n) - 1] = chosen;
    ASSERT_EQ(std::count(expected.begin(), expected.end(), chosen), 35);
    Press(swatch, WM_RBUTTONDOWN);  // the right button opens it as the left one does
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(swatch.Fill, chosen);
    EXPECT_EQ(Fills(), expected);

    Set_Colour_Dialog_Hook([&](HWND, COLORREF& colour) { colour = RGB(9, 9, 9); return false; });
    Press(Main().Component_Named("Unknown_Colour_Shape"));
    EXPECT_EQ(Main().Component_Named("Unknown_Colour_Shape").Fill, RGB(192, 192, 192));
    EXPECT_EQ(Fills(), expected);
}

// An older settings file opens in the groups; each view colours the boxes its own way, with
// its key in the group key's place; the state view follows the temperature typed or slid
// in any unit, the year view fades what came later; the groups come back exactly; the tips
// and the picture show the view; and the view with its settings outlives a restart.
TEST_F(Table_Colours, EachViewColoursTheBoxesAndIsKeptAcrossARestart)
{
    Write_Ini("[Halvorn]\r\nTransition_Metals_Colour_Shape=255\r\n");
    Start();
    Component& group_key = Main().Component_Named("GroupBox1000");
    const std::vector<COLORREF> groups = Fills();
    const COLORREF iron_text = Main().Table().Element_Box(26).Text_Colour;
    EXPECT_TRUE(Main().Menu_Checked(Colour_By_Group_Option));
    EXPECT_EQ(Fill(26), RGB(255, 0, 0));

    std::set<std::vector<COLORREF>> seen{groups};
    for (unsigned short view = Colour_By_Block_Option; view <= Colour_By_Year_Option; ++view) {
        Command(view);
        EXPECT_TRUE(Main().Menu_Checked(view)) << view;
        EXPECT_FALSE(Component_List::Shows(group_key)) << view;
        EXPECT_TRUE(Main().Table().Views().Key().Visible) << view;
        EXPECT_TRUE(seen.insert(Fills()).second) << "view " << view << " colours like another";
    }

    Command(Colour_By_State_Option);
    Main().Table().Views().Set_Temperature(30000);
    EXPECT_EQ(Boxes_Filled_As(35), (std::set<int>{35, 80})) << "bromine and mercury liquid at 300 K";
    EXPECT_EQ(Fill(31), Fill(26)) << "gallium solid";
    EXPECT_EQ(Main().Table().Views().Box_Value(26), "solid at 300 K");
    const auto facts = Main().Table().Keyboard().Accessible().Facts_Of(Main().Table().Element_Box(26));
    EXPECT_EQ(facts->Description, "26, Transition Metals, solid at 300 K");
    const HWND slider = Main().Component_Named("Temperature_TrackBar").Window;
    SendMessageW(slider, TBM_SETPOS, TRUE, 303);
    SendMessageW(GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 303), reinterpret_cast<LPARAM>(slider));
    EXPECT_EQ(Fill(31), Fill(35)) << "gallium liquid at 303 K";
    SendMessageW(Main().Component_Named("Temperature_Unit_ComboBox").Window, CB_SETCURSEL, 1, 0);
    Notify(Main().Component_Named("Temperature_Unit_ComboBox"), CBN_SELCHANGE);
    Type("Temperature_Edit", "0");
    EXPECT_EQ(Boxes_Filled_As(35), (std::set<int>{35, 80})) << "only bromine and mercury liquid at 0 \xB0" "C";
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 0);
    EXPECT_EQ(HIWORD(SendMessageW(Main().Handle(), WM_MENUCHAR, 'T', 0)), MNC_CLOSE);
    EXPECT_EQ(GetFocus(), slider) << "Alt+T, the label's access key, goes to the slider";
    const HWND edit = Main().Component_Named("Temperature_Edit").Window;
    SendMessageW(edit, WM_KEYDOWN, VK_PRIOR, 0);
    EXPECT_EQ(Window_Text(edit), "50") << "Page Up in the box steps as the slider does";
    SendMessageW(edit, WM_KEYDOWN, VK_NEXT, 0);

    Command(Colour_By_Property_Option);
    EXPECT_NE(Fill(76), Fill(1));
    EXPECT_EQ(Fill(100), RGB(192, 192, 192)) << "fermium has no density";
    Command(Colour_By_Year_Option);
    Main().Table().Views().Set_Year(1800);
    for (int n = 1; n <= 118; ++n) {
        const bool later = Elements[n].Discovered_Date > 1800 || Elements[n].Discovered_Date == Missing_Value;
        EXPECT_EQ(Fill(n) != groups[static_cast<std::size_t>(n - 1)], later) << n;
    }

    // The picture shows the view: iron's box in it has iron's fill.
    Set_Client_Size(Main().Scaler().Design_Client_Width(), Main().Scaler().Design_Client_Height());
    Command(Colour_By_Block_Option);
    Command(Copy_Table_To_Windows_Clipboard_Option);
    const RECT control = Component_List::Host_Rect(Main().Component_Named("PageControl1"));
    const RECT iron = Component_List::Host_Rect(Main().Table().Element_Box(26));
    // The picture starts at the page's offset within the page control.
    EXPECT_EQ(Clipboard_Bitmap().At(control.left + iron.left + 6, control.top + iron.bottom - 6), Fill(26));

    Command(Colour_By_State_Option);
    Command(Colour_By_Group_Option);
    EXPECT_EQ(Fills(), groups);
    EXPECT_EQ(Main().Table().Element_Box(26).Text_Colour, iron_text);
    EXPECT_TRUE(Component_List::Shows(group_key));
    EXPECT_EQ(Main().Table().Views().Box_Value(26), "");

    // A view's controls, passed over by the layout while hidden, show at the new size.
    const Component& unit = Main().Component_Named("Temperature_Unit_ComboBox");
    const LRESULT design_font = SendMessageW(unit.Window, WM_GETFONT, 0, 0);
    Set_Client_Size(1382, 970);
    Command(Colour_By_State_Option);
    RECT shown;
    GetWindowRect(unit.Window, &shown);
    MapWindowPoints(nullptr, GetParent(unit.Window), reinterpret_cast<POINT*>(&shown), 2);
    EXPECT_EQ((std::array<LONG, 3>{shown.left, shown.top, shown.right - shown.left}),
              (std::array<LONG, 3>{unit.Left, unit.Top, unit.Width}));
    EXPECT_NE(SendMessageW(unit.Window, WM_GETFONT, 0, 0), design_font);
    Close();
    const std::string saved = Read_Ini();
    TearDown();
    SetUp();
    Write_Ini(saved);
    Start();
    EXPECT_TRUE(Main().Menu_Checked(Colour_By_State_Option));
    EXPECT_EQ(Boxes_Filled_As(35), (std::set<int>{35, 80}));
    EXPECT_EQ(Window_Text(Main().Component_Named("Temperature_Edit").Window), "0");
    EXPECT_EQ(Main().Table().Views().Box_Value(26), "solid at 0 \xB0" "C");
    EXPECT_EQ(Main().Table().Views().Choice().Year, 1800);

    Answers = {IDYES};
    Command(Restore_Factory_Defaults_Option);
    EXPECT_TRUE(Main().Menu_Checked(Colour_By_Group_Option));
    EXPECT_TRUE(Component_List::Shows(Main().Component_Named("GroupBox1000")));
}

}  // namespace
}  // namespace halvorn::test
