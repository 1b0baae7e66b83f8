#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/Menu_Design.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {
namespace {

// What the user does in the dialog, queued before the command opens it.
class Search : public Program_Test, protected Modal_Steps {
public:
    TDialog_Item_Select_Form& Dialog() { return Program().Dialog_Item_Select_Form; }
    HWND List() { return Dialog().Item_ListBox(); }
    HWND Button(const char* name) { return Dialog().Components().Find(name)->Window; }
    std::vector<std::string> Entries()
    {
        std::vector<std::string> entries;
        for (int i = 0; i < SendMessageW(List(), LB_GETCOUNT, 0, 0); ++i) entries.push_back(Dialog().Item_Text(i));
        return entries;
    }

    void Select(std::wstring text)
    {
        Add([this, text] {
            SendMessageW(List(), LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
        });
    }
    void Click(const char* button) { Add([this, button] { SendMessageW(Button(button), BM_CLICK, 0, 0); }); }
    void Key(WPARAM key) { Add([this, key] { PostMessageW(List(), WM_KEYDOWN, key, 0); }); }
    // Escape with the focus on the dialog window itself, as after the message box closes
    // or after the user comes back from another window.
    void Escape_On_Dialog(bool shift)
    {
        Add([this, shift] {
            SetFocus(Dialog().Handle());
            EXPECT_EQ(GetFocus(), Dialog().Handle());
            Set_Shift(shift);
            PostMessageW(Dialog().Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
        });
    }
    void Post(UINT message, WPARAM w = 0, LPARAM l = 0)
    {
        Add([=, this] { PostMessageW(Dialog().Handle(), message, w, l); });
    }

    void Run(unsigned short command) { Run_With([this, command] { Command(command); }); }
    void Run_With(const std::function<void()>& start)
    {
        ShowWindow(Program().Element_Report_Form.Handle(), SW_HIDE);
        Run_Modal(Dialog().Handle(), Main().Handle(), start);
        Set_Shift(false);
    }
    // The caption of the report shown, none when hidden.
    std::string Report_Caption()
    {
        const HWND report = Program().Element_Report_Form.Handle();
        return IsWindowVisible(report) ? Window_Text(report) : "(none)";
    }
};

TEST_F(Search, EitherListOfEveryElementFindsIron)
{
    Start();
    Select(L"Fe");
    Click("OK_Button");
    Run(Select_Element_by_Abbreviation_Option);
    EXPECT_EQ(Report_Caption(), "Iron Properties :");
    std::vector<std::string> entries = Entries();
    ASSERT_EQ(entries.size(), 118u);
    EXPECT_EQ(std::vector<std::string>(entries.begin(), entries.begin() + 5),
              (std::vector<std::string>{"Ac", "Ag", "Al", "Am", "Ar"}));
    EXPECT_EQ(entries.back(), "Zr");

    Select(L"Iron");
    Click("OK_Button");
    Run(Select_Element_by_Name_Option);
    EXPECT_EQ(Report_Caption(), "Iron Properties :");
    EXPECT_TRUE(Boxes.empty());
    entries = Entries();
    ASSERT_EQ(entries.size(), 118u);
    EXPECT_EQ(entries.front(), "Actinium");
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
        return _stricmp(a.c_str(), b.c_str()) < 0;
    }));

    // A double-click on an entry confirms it at once; the buttons on the page do the same
    // as the menu.
    Select(L"Ne");
    Post(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(List()), LBN_DBLCLK), reinterpret_cast<LPARAM>(List()));
    const HWND button = Main().Component_Named("Select_Element_by_Abbreviation_BitBtn").Window;
    Run_With([button] { SendMessageW(button, BM_CLICK, 0, 0); });
    EXPECT_EQ(Report_Caption(), "Neon Properties :");

    // Letters typed in quick succession find the entry they begin; Enter chooses it.
    Add([this] {
        for (const wchar_t letter : {L'H', L'g'}) PostMessageW(List(), WM_CHAR, letter, 1);
    });
    Key(VK_RETURN);
    Run(Select_Element_by_Abbreviation_Option);
    EXPECT_EQ(Report_Caption(), "Mercury Properties :");
}

TEST_F(Search, NothingChosenMeansNoReport)
{
    Start();
    // OK without a selection: the message, and the dialog stays for a later choice.
    Click("OK_Button");
    Select(L"Cu");
    Click("OK_Button");
    Run(Select_Element_by_Abbreviation_Option);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "You need to select an item in the list !");
    EXPECT_EQ(Boxes[0].Title, "Information");
    EXPECT_EQ(Boxes[0].Flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(Report_Caption(), "Copper Properties :");

    // Escape, Cancel and the title-bar close all end the command without a report,
    // whatever was selected.
    const std::vector<void (*)(Search&)> endings = {
        [](Search& t) { t.Key(VK_ESCAPE); },
        [](Search& t) { t.Escape_On_Dialog(false); },
        [](Search& t) { t.Escape_On_Dialog(true); },
        [](Search& t) { t.Click("Cancel_Button"); },
        [](Search& t) { t.Post(WM_CLOSE); },
    };
    for (std::size_t i = 0; i < endings.size(); ++i) {
        Select(L"Au");
        endings[i](*this);
        Run(Select_Element_by_Abbreviation_Option);
        EXPECT_EQ(Report_Caption(), "(none)") << "ending " << i;
        EXPECT_EQ(Dialog().Selected_Item(), -1) << "ending " << i;
    }
    EXPECT_EQ(Boxes.size(), 1u);
}

}  // namespace
}  // namespace halvorn::test
