#include <windows.h>

#include <string>
#include <vector>

#include "platform/Gdiplus_Session.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "resources/Command_Ids.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {
namespace {

// The menu command runs with the save dialog answered by a file of the test's directory.
class Classroom_Tools : public Program_Test {
protected:
    std::wstring Saving(unsigned short id, const wchar_t* name, int filter = 1)
    {
        const std::wstring path = Ini_Path().substr(0, Ini_Path().size() - 11) + name;
        Set_Save_Dialog_Hook([&](HWND, const std::vector<Save_Filter>&, Save_Choice& choice) {
            choice = {path, filter};
            return true;
        });
        Command(id);
        Set_Save_Dialog_Hook({});
        return path;
    }
};

TEST_F(Classroom_Tools, CalculatorMarksAFaultAndCopiesAndKeepsAGoodFormula)
{
    Start();
    Command(Molar_Mass_Calculator_Option);
    TMolar_Mass_Calculator_Form& calculator = Program().Molar_Mass_Calculator_Form;
    ASSERT_TRUE(IsWindowVisible(calculator.Handle()));
    EXPECT_EQ(calculator.Formula(), "CuSO4\xB7" "5H2O") << "the formula a first start offers";

    // Enter in the box calculates; the fault is told and marked, and nothing is shown.
    Set_Window_Text(calculator.Formula_Edit(), "Ca(OH");
    SetFocus(calculator.Formula_Edit());
    Press_Key(VK_RETURN);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text + " / " + Boxes[0].Title, "Unclosed parenthesis opened at character 3 / Molar Mass Calculator");
    EXPECT_EQ(SendMessageW(calculator.Formula_Edit(), EM_GETSEL, 0, 0), MAKELRESULT(2, 3));
    EXPECT_EQ(calculator.Result_Text(), "");

    // Subscript counts and a superscript charge, as pasted from elsewhere.
    SetWindowTextW(calculator.Formula_Edit(), L"Fe(CN)\u2086\u00B3\u207B");
    ASSERT_TRUE(calculator.Calculate_ButtonClick());
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
    EXPECT_EQ(model.Series.Points().at(0).X, 13.598) << "hydrogen's ionisation potential";
    EXPECT_EQ(graph.Point_Tip(0), L"Hydrogen (H), 1 : 0.79 against 13.598");
    EXPECT_TRUE(graph.Credited_Chart().Scatter) << "the copy shows what the page shows";

    // Back to atomic order: the line of the one property.
    const Component& against = Main().Component_Named("Plotted_Against_ComboBox");
    SendMessageW(against.Window, CB_SETCURSEL, 0, 0);
    Notify(against, CBN_SELCHANGE);
    EXPECT_EQ(model.Title.Lines(), std::vector<std::string>{"Atomic Radius (A)"});
    EXPECT_FALSE(model.Scatter);
    Close();
    EXPECT_NE(Read_Ini().find("\r\nPlotted_Against_ComboBox=0\r\n"), std::string::npos);
}

TEST_F(Classroom_Tools, ElementDataGoesToTheClipboardAndIntoAFileWithNamesIntact)
{
    Start();
    Command(Copy_Element_Data_Option);
    const std::wstring tsv = Clipboard_Text();
    EXPECT_EQ(tsv.rfind(L"Atomic Number\tSymbol\tName\t", 0), 0u);
    std::size_t rows = 0;
    for (std::size_t at = tsv.find(L"\r\n"); at != std::wstring::npos; at = tsv.find(L"\r\n", at + 2)) ++rows;
    EXPECT_EQ(rows, 119u) << "a header and 118 elements";
    EXPECT_TRUE(IsClipboardFormatAvailable(RegisterClipboardFormatW(L"Csv")));

    const std::string csv = File_Bytes(Saving(Save_Element_Data_As_Option, L"elements.csv"));
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF" "Atomic Number,Symbol,Name,", 0), 0u);
    EXPECT_NE(csv.find("\r\n14,Si,Silicon,"), std::string::npos);
    EXPECT_NE(csv.find(",J\xC3\xB6ns Jacob Berzelius,1823\r\n"), std::string::npos) << "UTF-8 names";
}

// Four times the page in each direction, and drawn at that size: an enlarged picture would
// repeat each pixel over a 4 x 4 block, while text and edges drawn anew cross the blocks.
TEST_F(Classroom_Tools, TableImageOfFourTimesTheSizeIsDrawnAtThatSize)
{
    Start();
    const Resource_Image image(File_Bytes(Saving(Save_Table_Image_As_Option, L"table", 4) + L".png"));
    ASSERT_TRUE(Boxes.empty()) << Boxes[0].Text;
    ASSERT_EQ(image.Width(), 4 * Main().Table().Element_Box(1).Parent->Width);
    ASSERT_EQ(image.Height(), 4 * Main().Table().Exit_BitBtn().Top);
    const std::vector<std::uint32_t> pixels = image.Pixels();
    const auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y) * image.Width() + x]; };
    int crossed = 0;
    for (int y = 0; y + 4 <= image.Height(); y += 4)
        for (int x = 0; x + 4 <= image.Width(); x += 4)
            for (int i = 1; i < 16; ++i)
                if (at(x + i % 4, y + i / 4) != at(x, y)) {
                    ++crossed;
                    break;
                }
    EXPECT_GT(crossed, 2000);
    EXPECT_FALSE(Main().Table().Message_Label_1().Visible) << "the caption is in the picture only";
}

}  // namespace
}  // namespace halvorn::test
