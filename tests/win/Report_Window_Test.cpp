#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/Menu_Design.h"
#include "elements/Element_Record.h"
#include "report/Element_Report.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn {
// Failures name the line's text and format.
static void PrintTo(const Report_Line& line, std::ostream* out)
{
    *out << '"' << line.Text << "\" " << line.Size << " pt" << (line.Bold ? " bold" : "") << (line.Underline ? " underlined" : "")
         << (line.Alignment == Line_Alignment::Centre ? " centred" : "") << " colour " << std::hex << line.Colour;
}
}  // namespace halvorn

namespace halvorn::test {
namespace {

// The paragraphs of a rich-text control, without their breaks.
std::vector<std::string> Paragraphs(HWND edit)
{
    std::vector<std::string> lines;
    std::istringstream text(Window_Text(edit));
    for (std::string line; std::getline(text, line, '\r');) lines.push_back(line[0] == '\n' ? line.substr(1) : line);
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

// What paragraph index shows (its first character and its paragraph), as the line of text would be.
Report_Line Shown_As(HWND edit, std::size_t index, const std::string& text)
{
    const LRESULT start = SendMessageW(edit, EM_LINEINDEX, index, 0);
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(start), start + 1);
    CHARFORMAT2W character{};
    character.cbSize = sizeof character;
    SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&character));
    PARAFORMAT2 paragraph{};
    paragraph.cbSize = sizeof paragraph;
    SendMessageW(edit, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
    SendMessageW(edit, EM_SETSEL, 0, 0);
    return {text, static_cast<int>(character.yHeight) / 20, (character.dwEffects & CFE_BOLD) != 0,
            (character.dwEffects & CFE_UNDERLINE) != 0,
            paragraph.wAlignment == PFA_CENTER ? Line_Alignment::Centre : Line_Alignment::Left,
            character.dwEffects & CFE_AUTOCOLOR ? Automatic_Colour : static_cast<std::uint32_t>(character.crTextColor)};
}

using Report_Window = Program_Test;

TEST_F(Report_Window, ShowsTheWholeReportFormattedCopiesItAndASecondReplacesIt)
{
    Start();
    Press(Main().Table().Element_Box(26));
    const HWND form = Program().Element_Report_Form.Handle();
    const HWND edit = Program().Element_Report_Form.Element_Report_RichEdit();
    ASSERT_TRUE(IsWindowVisible(form));
    EXPECT_EQ(Window_Text(form), "Iron Properties :");
    // Word wrap is off for the comparison, so each paragraph is one line of the control.
    SendMessageW(edit, EM_SETTARGETDEVICE, 0, 1);

    // Every line of the report document, each in its own format.
    const Report_Document expected =
        Build_Element_Report(Elements[26], Program().Element_Report_Form.Footer_Texts(), User_Number_Separators());
    const std::vector<std::string> lines = Paragraphs(edit);
    ASSERT_EQ(lines.size(), expected.Lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(Shown_As(edit, i, lines[i]), expected.Lines[i]) << i;
    EXPECT_EQ(Shown_As(edit, 0, "Iron"), (Report_Line{"Iron", 22, true, true, Line_Alignment::Centre}));

    // The copy button puts rich and plain text of the whole report on the clipboard.
    Clipboard_Text(L"");
    SendMessageW(Program().Element_Report_Form.Components().Find("Clipboard_Copy_Element_Report_BitBtn")->Window,
                 BM_CLICK, 0, 0);
    EXPECT_TRUE(IsClipboardFormatAvailable(RegisterClipboardFormatW(L"Rich Text Format")));
    const std::wstring copied = Clipboard_Text();
    EXPECT_EQ(copied.rfind(L"Iron", 0), 0u);
    EXPECT_NE(copied.find(L"          Boiling Point (K) : 3,134 (K), 2,860.85 (C)"), std::wstring::npos);
    EXPECT_NE(copied.find(L"End of Report."), std::wstring::npos);
    DWORD start = 1, end = 1;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_TRUE(start == 0 && end == 0) << "the selection made for the copy is taken off";

    // A second report replaces the first, at its top; OK hides the window.
    SendMessageW(edit, WM_VSCROLL, SB_BOTTOM, 0);
    SCROLLINFO bar{};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_POS;
    GetScrollInfo(edit, SB_VERT, &bar);
    ASSERT_GT(bar.nPos, 0) << "the first report scrolled down";
    Press(Main().Table().Element_Box(10));
    EXPECT_EQ(Window_Text(form), "Neon Properties :");
    const std::vector<std::string> neon = Paragraphs(edit);
    EXPECT_EQ(neon.front(), "Neon");
    EXPECT_EQ(std::count(neon.begin(), neon.end(), "End of Report."), 1);
    EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "scrolled to the top";
    GetScrollInfo(edit, SB_VERT, &bar);
    EXPECT_EQ(bar.nPos, 0) << "and the scroll bar says so";
    const Client_Pixels shown = Read_Client_Pixels(edit, true);
    RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(shown.Colours == Read_Client_Pixels(edit, true).Colours) << "the thumb is drawn where it now is";

    SendMessageW(Program().Element_Report_Form.Components().Find("OK_BitBtn")->Window, BM_CLICK, 0, 0);
    Process_Messages();
    EXPECT_FALSE(IsWindowVisible(form));
    Press(Main().Table().Element_Box(6));
    EXPECT_TRUE(IsWindowVisible(form));
    EXPECT_EQ(Window_Text(form), "Carbon Properties :");
}

TEST_F(Report_Window, GlossaryIsOneWindowWithFiftyBlueBoldHeadings)
{
    Start();
    TGlossary_of_Terms_Form& glossary = Program().Glossary_of_Terms_Form;
    EXPECT_EQ(Window_Text(glossary.Handle()), "Glossary of Terms :   (50 terms defined)");
    EXPECT_FALSE(IsWindowVisible(glossary.Handle()));

    // From a page button and from the report window: the same window.
    SendMessageW(Main().Component_Named("Glossary_of_Terms_BitBtn").Window, BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowVisible(glossary.Handle()));
    ShowWindow(glossary.Handle(), SW_HIDE);
    Press(Main().Table().Element_Box(26));
    SendMessageW(Program().Element_Report_Form.Components().Find("BitBtn1")->Window, BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowVisible(glossary.Handle()));
    EXPECT_TRUE(IsWindowVisible(Program().Element_Report_Form.Handle())) << "the report stays open";

    const HWND edit = glossary.Glossary_RichEdit();
    SendMessageW(edit, EM_SETTARGETDEVICE, 0, 1);
    const std::vector<std::string> lines = Paragraphs(edit);
    ASSERT_EQ(lines.size(), 151u) << "152 lines, the last of them empty";
    // The headings, and only they, are blue and bold.
    int headings = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const bool heading = lines[i].back() == ':';
        EXPECT_EQ(Shown_As(edit, i, lines[i]), (Report_Line{lines[i], 14, heading, false, Line_Alignment::Left,
                                                            heading ? std::uint32_t{RGB(0, 0, 255)} : Automatic_Colour}));
        headings += heading;
    }
    EXPECT_EQ(headings, 50);
    EXPECT_EQ(lines[122], "1.  An object having no charge.");

    SendMessageW(glossary.Components().Find("OK_BitBtn")->Window, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(glossary.Handle()));
}

TEST_F(Report_Window, CopiesWhileAnotherProgramHoldsTheClipboardAreReportedAndChangeNothing)
{
    Start();
    Press(Main().Table().Element_Box(26));
    Clipboard_Text(L"kept");
    // Another program holds the clipboard open: a window of another thread.
    const HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr), release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    bool held = false;
    std::thread holder([&] {
        const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        held = OpenClipboard(window) != FALSE;
        SetEvent(opened);
        WaitForSingleObject(release, INFINITE);
        CloseClipboard();
        DestroyWindow(window);
    });
    WaitForSingleObject(opened, INFINITE);
    SendMessageW(Program().Element_Report_Form.Components().Find("Clipboard_Copy_Element_Report_BitBtn")->Window,
                 BM_CLICK, 0, 0);
    SendMessageW(Main().Handle(), WM_COMMAND, Copy_Graph_To_Windows_Clipboard_Option, 0);
    SetEvent(release);
    holder.join();
    CloseHandle(opened), CloseHandle(release);
    ASSERT_TRUE(held);
    ASSERT_EQ(Boxes.size(), 2u);
    for (const Recorded_Box& box : Boxes) {
        EXPECT_EQ(box.Text, "Cannot open clipboard.");
        EXPECT_EQ(box.Flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    }
    EXPECT_EQ(Clipboard_Text(), L"kept");
    EXPECT_TRUE(Main().Graph().Chart1().Model.Foot.Empty()) << "the graph's credit line is taken off again";
}

}  // namespace
}  // namespace halvorn::test
