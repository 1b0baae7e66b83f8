#include <windows.h>

#include <string>
#include <vector>

#include "app/Menu_Design.h"
#include "elements/Element_Record.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {
namespace {

std::vector<std::string> created_windows;

LRESULT CALLBACK Record_Top_Level_Windows(int code, WPARAM w, LPARAM l)
{
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(l)->lpcs;
        wchar_t class_name[64] = L"";
        GetClassNameW(reinterpret_cast<HWND>(w), class_name, 64);
        if (!(create->style & WS_CHILD) && std::wstring(class_name) == L"Halvorn.Host")
            created_windows.push_back(create->lpszName ? Narrow(create->lpszName) : "");
    }
    return CallNextHookEx(nullptr, code, w, l);
}

// Start-up makes the main window only; each of the others is made, hidden and owned by the
// application window, when first wanted, and once.
TEST(Program_Start, MakesTheMainWindowAndTheOthersWhenFirstWanted)
{
    created_windows.clear();
    HHOOK hook = SetWindowsHookExW(WH_CBT, Record_Top_Level_Windows, nullptr, GetCurrentThreadId());
    Program_Windows program;
    program.Create();
    EXPECT_EQ(created_windows, std::vector<std::string>{"MainForm1"});
    const std::vector<const Window_Base*> others = {&program.AboutBox, &program.Element_Report_Form,
                                                    &program.Dialog_Item_Select_Form, &program.Glossary_of_Terms_Form,
                                                    &program.Dialog_WallPaper_Style_Form};
    for (const Window_Base* window : others) {
        EXPECT_FALSE(window->Made());
        EXPECT_FALSE(IsWindowVisible(window->Handle()));
        EXPECT_EQ(GetWindow(window->Handle(), GW_OWNER), program.Application.Handle());
    }
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(created_windows, (std::vector<std::string>{"MainForm1", "AboutBox", "Element_Report_Form",
                                                         "Dialog_Item_Select_Form", "Glossary of Terms :", ""}));
}

using Main_Window = Program_Test;

TEST_F(Main_Window, ShowSequenceCaptionsColoursAndHidesTheBoxes)
{
    Start();
    EXPECT_EQ(Window_Text(Main().Handle()), "Halvorn v2.0b");
    EXPECT_EQ(Application_Title(), "Halvorn v2.0b");
    EXPECT_EQ(Window_Text(Program().Application.Handle()), "Halvorn v2.0b");
    EXPECT_EQ(GetWindow(Main().Handle(), GW_OWNER), nullptr) << "the main window keeps its taskbar button";
    EXPECT_FALSE(Program().AboutBox.Made() || Program().Element_Report_Form.Made() ||
                 Program().Glossary_of_Terms_Form.Made() || Program().Dialog_Item_Select_Form.Made() ||
                 Program().Dialog_WallPaper_Style_Form.Made())
        << "the show sequence makes none of the other windows";

    EXPECT_EQ(Main().Table().Element_Box(26).Caption, "26\rFe");
    EXPECT_EQ(Main().Table().Element_Box(118).Caption, "118\rOg");
    for (int n : {1, 2, 26, 80, 110}) EXPECT_EQ(Main().Table().Element_Box(n).Text_Colour, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_TRUE(IsWindowVisible(Main().Handle()));
    EXPECT_TRUE(IsWindowVisible(Main().Component_Named("TabSheet1").Window));
    EXPECT_FALSE(IsWindowVisible(Main().Component_Named("TabSheet2").Window));
    EXPECT_TRUE(Boxes.empty());
}

// A text of the 113 rows the table once had, the last of them the element then shown as
// "113": the boxes past it stay hidden, uncaptioned, uncoloured and deaf to presses.
TEST_F(Main_Window, ATextOf113RowsHidesTheBoxesPastIt)
{
    static std::string text;
    text.clear();
    for (std::size_t line = 0; line <= 112; ++line) text += std::string(Text_Line(Element_Database_Text(), line)) + "\n";
    text += "Element113\t113\t113\t284\t";
    for (int column = 5; column <= 17; ++column) text += "--\t";
    text += "1\t--\t9\t[Rn] 5f14 6d10 7s2 7p1\t--\t4\t4\t9\t--\t--\tAlso known as Ununtrium.\t\n";
    Main().Table().Set_Database_Text(text);
    Start();
    EXPECT_EQ(Number_of_Elements, 113);
    EXPECT_EQ(Main().Table().Element_Box(113).Caption, "113\r113");
    EXPECT_TRUE(Main().Table().Element_Box(113).Visible);
    for (int n = 114; n <= 118; ++n) {
        const Component& box = Main().Table().Element_Box(n);
        EXPECT_FALSE(box.Visible) << n;
        EXPECT_EQ(box.Caption, "??");
        EXPECT_EQ(box.Fill, GetSysColor(COLOR_HIGHLIGHTTEXT)) << "never coloured";
    }
    Set_Client_Size(Main().Scaler().Design_Client_Width(), Main().Scaler().Design_Client_Height());
    Press(Main().Table().Element_Box(114));
    EXPECT_FALSE(Program().Element_Report_Form.Made()) << "no report was asked for";
    EXPECT_TRUE(Boxes.empty());
}

// A row that does not convert stops the build with its fault shown; the rows before it work,
// and the program closes as ever.
TEST_F(Main_Window, AFaultInTheElementTextIsShownAndTheRowsBeforeItStillWork)
{
    static const std::string text = With_Field(std::string(Element_Database_Text()), 3, 4, "6,94");
    Main().Table().Set_Database_Text(text);
    Start();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "'6,94' is not a valid floating point value.");
    Press(Main().Table().Element_Box(1));
    EXPECT_EQ(Window_Text(Program().Element_Report_Form.Handle()), "Hydrogen Properties :");
    Close();
    EXPECT_TRUE(Ini_Exists());
}

}  // namespace
}  // namespace halvorn::test
