#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/Gdiplus_Session.h"
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

TEST_F(Classroom_Tools, ElementDataGoesToTheClipboardAndIntoAFileWithNamesIntact)
{
    Start();
    Menu_Command(Main(), Copy_Element_Data_Option);
    const std::wstring tsv = Clipboard_Text();
    EXPECT_EQ(tsv.rfind(L"Atomic Number\tSymbol\tName\t", 0), 0u);
    std::size_t rows = 0;
    for (std::size_t at = tsv.find(L"\r\n"); at != std::wstring::npos; at = tsv.find(L"\r\n", at + 2)) ++rows;
    EXPECT_EQ(rows, 119u) << "a header and 118 elements";
    EXPECT_TRUE(IsClipboardFormatAvailable(RegisterClipboardFormatW(L"Csv")));

    const std::wstring path = Ini_Path().substr(0, Ini_Path().size() - 11) + L"elements.csv";
    Set_Save_Dialog_Hook([&](HWND, const std::vector<Save_Filter>&, Save_Choice& choice) {
        choice.Path = path;
        return true;
    });
    Menu_Command(Main(), Save_Element_Data_As_Option);
    Set_Save_Dialog_Hook({});
    std::string bytes;
    if (FILE* file = _wfopen(path.c_str(), L"rb")) {
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
        fclose(file);
    }
    EXPECT_EQ(bytes.rfind("\xEF\xBB\xBF" "Atomic Number,Symbol,Name,", 0), 0u);
    EXPECT_NE(bytes.find("\r\n14,Si,Silicon,"), std::string::npos);
    EXPECT_NE(bytes.find(",J\xC3\xB6ns Jacob Berzelius,1823\r\n"), std::string::npos) << "UTF-8 names";
    EXPECT_TRUE(Boxes.empty());
}

// Four times the page in each direction, and drawn at that size: an enlarged picture would
// repeat each pixel over a 4 x 4 block, while text and edges drawn anew cross the blocks.
TEST_F(Classroom_Tools, TableImageOfFourTimesTheSizeIsDrawnAtThatSize)
{
    Start();
    const std::wstring path = Ini_Path().substr(0, Ini_Path().size() - 11) + L"table";
    Set_Save_Dialog_Hook([&](HWND, const std::vector<Save_Filter>& filters, Save_Choice& choice) {
        EXPECT_EQ(filters.size(), 8u);
        choice = {path, 4};  // PNG at 4x, the extension left to the program
        return true;
    });
    Menu_Command(Main(), Save_Table_Image_As_Option);
    Set_Save_Dialog_Hook({});
    ASSERT_TRUE(Boxes.empty()) << Boxes[0].Text;
    std::string bytes;
    if (FILE* file = _wfopen((path + L".png").c_str(), L"rb")) {
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
        fclose(file);
    }
    const Resource_Image image(bytes);
    const Component& page = *Main().Table().Element_Box(1).Parent;
    ASSERT_EQ(image.Width(), 4 * page.Width);
    ASSERT_EQ(image.Height(), 4 * Main().Table().Exit_BitBtn().Top);
    const std::vector<std::uint32_t> pixels = image.Pixels();
    int crossed = 0;
    for (int y = 0; y + 4 <= image.Height(); y += 4)
        for (int x = 0; x + 4 <= image.Width(); x += 4) {
            const std::uint32_t corner = pixels[static_cast<std::size_t>(y) * image.Width() + x];
            bool same = true;
            for (int dy = 0; dy < 4 && same; ++dy)
                for (int dx = 0; dx < 4 && same; ++dx)
                    same = pixels[static_cast<std::size_t>(y + dy) * image.Width() + x + dx] == corner;
            crossed += same ? 0 : 1;
        }
    EXPECT_GT(crossed, 2000);
    EXPECT_FALSE(Main().Table().Message_Label_1().Visible) << "the caption is in the picture only";
}

}  // namespace
}  // namespace halvorn::test
