#include <windows.h>

#include <string>
#include <vector>

#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "resources/Command_Ids.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {
namespace {

using Classroom_Tools = Program_Test;

void Menu_Command(TMainForm1& main, unsigned short id) { SendMessageW(main.Handle(), WM_COMMAND, id, 0); }

TEST_F(Classroom_Tools, CalculatorMarksAFaultAndCopiesAndKeepsAGoodFormula)
{
    Start();
    Menu_Command(Main(), Molar_Mass_Calculator_Option);
    TMolar_Mass_Calculator_Form& calculator = Program().Molar_Mass_Calculator_Form;
    ASSERT_TRUE(IsWindowVisible(calculator.Handle()));
    EXPECT_EQ(calculator.Formula(), "CuSO4\xB7" "5H2O") << "the formula a first start offers";

    // Enter in the box calculates; the fault is told and marked, and nothing is shown.
    Set_Window_Text(calculator.Formula_Edit(), "Ca(OH");
    SetFocus(calculator.Formula_Edit());
    Press_Key(VK_RETURN);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "Unclosed parenthesis opened at character 3");
    EXPECT_EQ(Boxes[0].Title, "Molar Mass Calculator");
    DWORD first = 0, last = 0;
    SendMessageW(calculator.Formula_Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    EXPECT_EQ(first, 2u);
    EXPECT_EQ(last, 3u);
    EXPECT_EQ(calculator.Result_Text(), "");

    Set_Window_Text(calculator.Formula_Edit(), "K4[Fe(CN)6]");
    calculator.Copy_ButtonClick();
    EXPECT_NE(Clipboard_Text().find(L"Molar mass : 368.344 g/mol\r\n"), std::wstring::npos) << Clipboard_Text();

    Close();
    EXPECT_NE(Read_Ini().find("\r\nMolar_Mass_Formula=K4[Fe(CN)6]\r\n"), std::string::npos);
}

TEST_F(Classroom_Tools, GraphPlotsOnePropertyAgainstAnotherAndKeepsIt)
{
    Write_Ini("[Halvorn]\r\nGraph_Type_ComboBox=1\r\nPlotted_Against_ComboBox=10\r\n");
    Start();
    Graph_Page& graph = Main().Graph();
    const Chart_Model& model = graph.Chart1().Model;
    ASSERT_TRUE(model.Scatter);
    EXPECT_EQ(model.Title.Lines(), std::vector<std::string>{"Atomic Radius (A) against First Ionization Potential (eV)"});
    EXPECT_EQ(model.Bottom_Axis.Title, "First Ionization Potential (eV)");
    ASSERT_GT(model.Series.Count(), 80u);
    EXPECT_EQ(model.Series.Points()[0].X, 13.598) << "hydrogen's ionisation potential";
    EXPECT_EQ(graph.Point_Tip(0), L"Hydrogen (H), 1 : 0.79 against 13.598");
    EXPECT_TRUE(graph.Credited_Chart().Scatter) << "the copy shows what the page shows";

    // Back to atomic order: the line of the one property.
    const Component& against = Main().Component_Named("Plotted_Against_ComboBox");
    SendMessageW(against.Window, CB_SETCURSEL, 0, 0);
    SendMessageW(GetParent(against.Window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(against.Window), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(against.Window));
    EXPECT_FALSE(model.Scatter);
    EXPECT_EQ(model.Title.Lines(), std::vector<std::string>{"Atomic Radius (A)"});
    Close();
    EXPECT_NE(Read_Ini().find("\r\nPlotted_Against_ComboBox=0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace halvorn::test
