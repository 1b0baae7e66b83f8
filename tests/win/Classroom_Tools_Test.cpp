#include <windows.h>

#include <string>

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

}  // namespace
}  // namespace halvorn::test
