#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "platform/Gdi_Owners.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "resources/Command_Ids.h"
#include "resources/Resource_Ids.h"
#include "tests/win/Win_Test_Support.h"
#include "winint/About_Window.h"
#include "winint/Notepad_Documents.h"

namespace halvorn::test {
namespace {

// The Help menu's commands: the About window opened modally over the main window with what
// the user does queued, and the documents, with links and Notepad's start recorded instead of made.
class Help_Menu : public Program_Test, protected Modal_Steps {
protected:
    void SetUp() override
    {
        Program_Test::SetUp();
        Set_Shell_Open_Hook([this](const std::wstring& text) { Opened.push_back(text); });
        Set_Process_Start_Hook([this](const std::wstring& program, const std::wstring& command_line) {
            Programs.push_back(program);
            Started.push_back(command_line);
        });
        Start();
    }
    void TearDown() override
    {
        Set_Shell_Open_Hook(nullptr);
        Set_Process_Start_Hook(nullptr);
        Set_System_Folders_Override(L"");
        DeleteFileW(Catalog().c_str());
        Program_Test::TearDown();
    }

    TAboutBox& About() { return Program().AboutBox; }
    Component& Named(const char* name) { return *About().Components().Find(name); }
    std::string Quote() { return Named("Quote_From_Tandrel_Label").Caption; }
    std::string Free_Text() { return Named("Label4").Caption; }
    bool Is_Quote(const std::string& text) { return std::ranges::count(About().Quotes(), text) > 0; }
    // Whether the window's timer was still running; it is not after this.
    bool Timer_Was_Running(UINT_PTR id) { return KillTimer(About().Handle(), id) != FALSE; }
    void Open() { Run_Modal(About().Handle(), Main().Handle(), [this] { Command(AboutOption); }); }

    std::wstring Catalog() const { return Executable_Directory() + L"catalog.txt"; }
    void Expect_Information(std::size_t index, const std::string& text)
    {
        ASSERT_GT(Boxes.size(), index);
        EXPECT_EQ(Boxes[index].Text, text);
        EXPECT_EQ(Boxes[index].Flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    }

    std::vector<std::wstring> Opened, Started, Programs;
};

const std::regex Percent("-?[0-9]+%");

TEST_F(Help_Menu, EachOpeningShowsAQuoteAndTheFreeMemoryAtOnceAndEveryEndingStopsTheTimersAndTheLogo)
{
    EXPECT_EQ(Window_Text(About().Handle()), "About Halvorn v2.0b ...");
    const std::vector<std::function<void()>> endings = {
        [] { PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); },
        [this] { PostMessageW(Named("OKButton").Window, BM_CLICK, 0, 0); },
        [this] { PostMessageW(About().Handle(), WM_CLOSE, 0, 0); },
    };
    std::set<std::string> seen;
    for (std::size_t i = 0; i < endings.size(); ++i) {
        SCOPED_TRACE("ending " + std::to_string(i));
        // Left over from the last opening, or the design captions.
        Named("Quote_From_Tandrel_Label").Set_Caption("");
        Named("Label4").Set_Caption("Free %");
        Add([this] {
            EXPECT_TRUE(Is_Quote(Quote())) << "'" << Quote() << "'";
            EXPECT_TRUE(std::regex_match(Free_Text(), Percent)) << Free_Text();
            EXPECT_TRUE(About().Tandrel_Logo().Playing());
            EXPECT_EQ(GetFocus(), Named("OKButton").Window);
            // Twice a second the figure is read again.
            Named("Label4").Set_Caption("Free %");
        });
        Wait(45);
        Add([&] {
            EXPECT_TRUE(std::regex_match(Free_Text(), Percent)) << Free_Text();
            // The quote changes only by its own timer.
            const std::string first = Quote();
            for (int tick = 0; tick < 5; ++tick)
                SendMessageW(About().Handle(), WM_TIMER, TAboutBox::Free_Resources_Timer, 0);
            RedrawWindow(About().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            EXPECT_EQ(Quote(), first);
            for (int tick = 0; tick < 20; ++tick) {
                SendMessageW(About().Handle(), WM_TIMER, TAboutBox::Quote_Change_Timer, 0);
                EXPECT_TRUE(Is_Quote(Quote())) << Quote();
                seen.insert(Quote());
            }
        });
        Add(endings[i]);
        Open();
        for (const UINT_PTR timer :
             {TAboutBox::Quote_Change_Timer, TAboutBox::Free_Resources_Timer, TAboutBox::Logo_Animation_Timer})
            EXPECT_FALSE(Timer_Was_Running(timer)) << "timer " << timer;
        EXPECT_FALSE(About().Tandrel_Logo().Playing());
    }
    // Picked at random among eleven: sixty picks of one and the same are out of reach.
    EXPECT_GT(seen.size(), 3u);
}

TEST_F(Help_Menu, LinksStandInForTheHiddenButtonsAndOpenTheWebPageOrAMailNamingTheProgram)
{
    std::string web;
    Add([&] {
        const struct { const char *Label, *Button, *Hint; } links[] = {
            {"Email_Address_Label", "Email_Button", "Click to send an E-Mail to Tandrel."},
            {"WEB_Address_Label", "WEB_Button", "Click to visit Tandrel's WEB Page."}};
        for (const auto& link : links) {
            SCOPED_TRACE(link.Label);
            const Component& label = Named(link.Label);
            EXPECT_FALSE(IsWindowVisible(Named(link.Button).Window));
            EXPECT_EQ(label.Caption, Window_Text(Named(link.Button).Window));
            EXPECT_EQ(label.Hint, link.Hint);
            EXPECT_NE(label.Cursor, nullptr);
        }

        web = Window_Text(Named("WEB_Button").Window);
        for (const char* name : {"WEB_Address_Label", "Tandrel_Logo_GIFImage", "Tandrel_Logo_Banner_Image"}) Press(Named(name));
        Press(Named("Email_Address_Label"));
        // The hidden buttons still answer their commands.
        SendMessageW(About().Handle(), WM_COMMAND, GetDlgCtrlID(Named("Email_Button").Window), 0);
        // Nothing is opened for an empty address.
        Named("WEB_Button").Set_Caption("");
        Press(Named("WEB_Address_Label"));
        Named("WEB_Button").Set_Caption(web);

        // After a move to a monitor of another DPI the tips still cover the links.
        RECT bounds;
        GetWindowRect(About().Handle(), &bounds);
        SendMessageW(About().Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&bounds));
        std::vector<std::array<LONG, 4>> tips, places;
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        for (HWND tooltip = nullptr; (tooltip = FindWindowExW(nullptr, tooltip, TOOLTIPS_CLASSW, nullptr));) {
            if (GetWindow(tooltip, GW_OWNER) != About().Handle()) continue;
            while (SendMessageW(tooltip, TTM_ENUMTOOLSW, tips.size(), reinterpret_cast<LPARAM>(&tool)))
                tips.push_back({tool.rect.left, tool.rect.top, tool.rect.right, tool.rect.bottom});
        }
        for (const char* name : {"Email_Address_Label", "WEB_Address_Label"}) {
            const RECT rect = Component_List::Host_Rect(Named(name));
            places.push_back({rect.left, rect.top, rect.right, rect.bottom});
        }
        EXPECT_EQ(tips, places);
    });
    Add([this] { PostMessageW(About().Handle(), WM_COMMAND, IDOK, 0); });
    Open();
    const std::wstring mail =
        L"mailto:" + Widen(Window_Text(Named("Email_Button").Window)) + L"?subject=Shareware: Halvorn.exe";
    EXPECT_EQ(Opened, (std::vector<std::wstring>{Widen(web), Widen(web), Widen(web), mail, mail}));
}

TEST_F(Help_Menu, LogoFramesComeBackAsTheScriptDrewThem)
{
    Gif_Animation logo(IDR_TANDREL_LOGO, RGB(255, 255, 255));
    ASSERT_EQ(logo.Frame_Count(), 30);
    EXPECT_EQ(logo.Frame_Interval_Ms(0), 50u);
    EXPECT_EQ(logo.Frame_Interval_Ms(29), 2000u);

    // Later frames store only what changed, some to be undone afterwards: each whole
    // frame still has its three electrons, no more, and the nucleus in the middle.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), logo.Width(), -logo.Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    Memory_Dc dc(nullptr);
    for (int frame = 0; frame < logo.Frame_Count(); ++frame) {
        SCOPED_TRACE("frame " + std::to_string(frame));
        logo.Show_Frame(frame);
        void* bits = nullptr;
        Bitmap_Handle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        {
            Selected_Object chosen(dc.Get(), bitmap.Get());
            logo.Draw(dc.Get(), {0, 0, logo.Width(), logo.Height()});
        }
        const Client_Pixels pixels = Read_Bitmap_Pixels(bitmap.Get());
        const auto electron = std::count_if(pixels.Colours.begin(), pixels.Colours.end(), [](COLORREF p) {
            return GetRValue(p) > 230 && GetGValue(p) > 170 && GetBValue(p) < 110;
        });
        EXPECT_TRUE(electron >= 110 && electron <= 150) << electron;
        EXPECT_EQ(pixels.At(86, 70), RGB(0xE6, 0x5A, 0x50));
        EXPECT_EQ(pixels.At(2, 2), RGB(0xF4, 0xF7, 0xFC));
    }
}

TEST_F(Help_Menu, MissingCatalogueIsExplainedAndNotepadIsNotStarted)
{
    Command(View_Shareware_Catalog_Option);
    EXPECT_TRUE(Started.empty());
    Expect_Information(0, "Tandrel's Shareware Catalog is not in the same directory as Halvorn v2.0b.  The required "
                          "file 'catalog.txt' was included in the distribution ZIP file.  Please unzip this file "
                          "and try again.");

    std::ofstream(std::filesystem::path(Catalog())) << "programs\r\n";
    Command(View_Shareware_Catalog_Option);
    EXPECT_EQ(Started, std::vector<std::wstring>{L"Notepad.exe " + Catalog()});
    EXPECT_EQ(Boxes.size(), 1u);
}

TEST_F(Help_Menu, ReadmeOpensEvenWhenMissingAndNotepadIsLookedForFirst)
{
    // A Notepad.exe beside the program or in the current directory is not the one started.
    const std::wstring planted = Executable_Directory() + L"Notepad.exe";
    std::ofstream(std::filesystem::path(planted)) << "planted";
    const std::filesystem::path current = std::filesystem::current_path();
    std::filesystem::current_path(Executable_Directory());
    Command(View_Readme_file_Option);
    std::filesystem::current_path(current);
    DeleteFileW(planted.c_str());
    EXPECT_EQ(Started, std::vector<std::wstring>{L"Notepad.exe " + Executable_Directory() + L"Halvorn.txt"});
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(Programs, std::vector<std::wstring>{std::wstring(system) + L"\\notepad.exe"});
    EXPECT_TRUE(Boxes.empty());

    Started.clear();
    View_In_Notepad(L"");
    Expect_Information(0, "No Log File to View.");

    // With no Notepad in the system folders nothing is started, whatever the path.
    Set_System_Folders_Override(Executable_Directory() + L"no-windows");
    View_In_Notepad(L"");
    Expect_Information(1, "Windows Notepad could not be found.");
    EXPECT_TRUE(Started.empty());
}

// A Notepad that does not start says so, naming it and why.
TEST_F(Help_Menu, ANotepadThatCannotStartIsReported)
{
    const std::wstring folder = Executable_Directory() + L"system";
    CreateDirectoryW(folder.c_str(), nullptr);
    std::ofstream(std::filesystem::path(folder + L"\\notepad.exe")) << "no program";
    Set_Process_Start_Hook(nullptr);
    Set_System_Folders_Override(folder);
    View_In_Notepad(L"C:\\notes.txt");
    std::filesystem::remove_all(std::filesystem::path(folder));
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text.rfind("Windows Notepad (" + Narrow(folder) + "\\notepad.exe) could not be started: ", 0), 0u)
        << Boxes[0].Text;
    EXPECT_EQ(Boxes[0].Flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
}

}  // namespace
}  // namespace halvorn::test
