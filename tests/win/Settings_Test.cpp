#include <windows.h>

#include <algorithm>
#include <string>

#include "app/Menu_Design.h"
#include "app/Settings_File.h"
#include "app/Program_Settings.h"
#include "platform/Seams.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {
namespace {

std::pair<LONG, LONG> Top_Left(const Window_Base& window)
{
    RECT rect;
    GetWindowRect(window.Handle(), &rect);
    return {rect.left, rect.top};
}

class Settings : public Program_Test {
protected:
    // A fresh start over these settings.
    void Restart(const std::string& ini)
    {
        TearDown();
        SetUp();
        Write_Ini(ini);
        Start();
    }
    // What a start without settings shows.
    void Expect_Defaults()
    {
        Expect_Outer_Bounds(20, 20, 681, 481);
        EXPECT_FALSE(IsZoomed(Main().Handle()));
        EXPECT_FALSE(GetWindowLongW(Main().Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_EQ(Main().Graph().Graph_Index(), 0);
        EXPECT_EQ(Main().Table().Element_Box(26).Fill, RGB(255, 255, 0));
        EXPECT_EQ(Top_Left(Program().Element_Report_Form), std::pair(100L, 20L));
        EXPECT_EQ(Top_Left(Program().Glossary_of_Terms_Form), std::pair(100L, 20L));
    }
};

TEST_F(Settings, FirstStartWithoutAFileTakesTheDefaults)
{
    Start();
    Expect_Defaults();
    EXPECT_FALSE(Main().Menu_Checked(Always_On_Top_Option));
    EXPECT_EQ(Main().Component_Named("Alkali_Metals_Colour_Shape").Fill, RGB(255, 0, 0));
    EXPECT_FALSE(Ini_Exists()) << "nothing is written before the close";

    Close();
    EXPECT_EQ(Read_Ini(),
              "[Halvorn]\r\n"
              "WindowState_wsMaximized=0\r\nwindow_top_posn=20\r\nwindow_left_posn=20\r\nwindow_Width=681\r\n"
              "window_Height=481\r\nAlways_on_Top_Option=0\r\nAuto_Run_at_Windows_Startup_Option=0\r\n"
              "Graph_Type_ComboBox=0\r\nOther_Non_Metals_Colour_Shape=16777215\r\nAlkali_Metals_Colour_Shape=255\r\n"
              "Alkaline_Earth_Metals_Colour_Shape=65280\r\nTransition_Metals_Colour_Shape=65535\r\n"
              "Non_Metals_Halogens_Colour_Shape=16711935\r\nOther_Metals_Colour_Shape=16711680\r\n"
              "Noble_Gases_Colour_Shape=16776960\r\nLanthanide_Series_Colour_Shape=32768\r\n"
              "Actinide_Series_Colour_Shape=8421376\r\nUnknown_Colour_Shape=12632256\r\n"
              "Element_Report_Form.Top=20\r\nElement_Report_Form.Left=100\r\n"
              "Glossary_of_Terms_Form.Top=20\r\nGlossary_of_Terms_Form.Left=100\r\n");
}

TEST_F(Settings, BadOrMissingValuesFallBackToTheirDefaults)
{
    Write_Ini("[Halvorn]\r\nGraph_Type_ComboBox=abc\r\nwindow_top_posn=12abc\r\nwindow_left_posn=\r\n"
              "window_Height=99999999999\r\nTransition_Metals_Colour_Shape=255\r\n"
              "Noble_Gases_Colour_Shape=-5\r\nUnknown_Colour_Shape=16777216\r\n");
    Start();
    EXPECT_EQ(Main().Graph().Graph_Index(), 0);
    Expect_Outer_Bounds(20, 20, 681, 481);
    EXPECT_EQ(Main().Table().Element_Box(26).Fill, RGB(255, 0, 0)) << "a saved 255 colours the group red";
    EXPECT_EQ(Main().Component_Named("Noble_Gases_Colour_Shape").Fill, RGB(0, 255, 255));
    EXPECT_EQ(Main().Component_Named("Unknown_Colour_Shape").Fill, RGB(192, 192, 192));
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(Settings, SavedValuesComeBackAndAreWrittenAgain)
{
    Write_Ini("[Halvorn]\r\nwindow_top_posn=40\r\nwindow_left_posn=60\r\nwindow_Width=800\r\n"
              "window_Height=600\r\nGraph_Type_ComboBox=7\r\nElement_Report_Form.Top=33\r\n"
              "Element_Report_Form.Left=44\r\nGlossary_of_Terms_Form.Top=55\r\nGlossary_of_Terms_Form.Left=66\r\n"
              "Auto_Run_at_Windows_Startup_Option=5\r\n");
    Start();
    Expect_Outer_Bounds(60, 40, 800, 600);
    EXPECT_EQ(Main().Graph().Graph_Index(), 7);
    EXPECT_FALSE(Main().Menu_Checked(Auto_Run_at_Windows_Startup_Option))
        << "the registry, which holds no run value, decides over the file";
    EXPECT_EQ(Top_Left(Program().Element_Report_Form), std::pair(44L, 33L));
    SendMessageW(Main().Handle(), WM_COMMAND, Next_Graph_SpeedButton, 0);
    Close();
    const std::string ini = Read_Ini();
    EXPECT_NE(ini.find("Glossary_of_Terms_Form.Left=66"), std::string::npos);
    EXPECT_NE(ini.find("Graph_Type_ComboBox=8"), std::string::npos) << "the graph shown at the close";
}

// The bounds saved are the screen bounds the window had before it was maximised or
// minimised (under Wine the work area is the whole monitor, so no taskbar offsets them).
TEST_F(Settings, ClosingMaximisedOrMinimisedSavesTheNormalBounds)
{
    for (const bool maximised : {true, false}) {
        SCOPED_TRACE(maximised ? "maximised" : "minimised");
        const std::string bounds = "window_top_posn=30\r\nwindow_left_posn=40\r\nwindow_Width=700\r\nwindow_Height=500\r\n";
        Restart("[Halvorn]\r\n" + bounds);
        ShowWindow(Main().Handle(), maximised ? SW_MAXIMIZE : SW_MINIMIZE);
        Process_Messages();
        ASSERT_TRUE(maximised ? IsZoomed(Main().Handle()) : IsIconic(Main().Handle()));
        Close();
        const std::string ini = Read_Ini();
        EXPECT_NE(ini.find("WindowState_wsMaximized=" + std::to_string(maximised) + "\r\n"), std::string::npos);
        EXPECT_NE(ini.find(bounds), std::string::npos) << ini;

        Restart(ini);
        EXPECT_EQ(IsZoomed(Main().Handle()) != FALSE, maximised);
        if (!maximised) Expect_Outer_Bounds(40, 30, 700, 500);
    }
}

// Saved places that nobody could see: the main window off every screen or of no size, the
// report or glossary off every screen. A place partly on a screen is kept.
TEST_F(Settings, PlacesThatCannotBeSeenFallBackToTheDefaults)
{
    const struct {
        const char* Ini;
        RECT Main;  // left, top, width, height
        POINT Report, Glossary;
    } cases[] = {
        {"window_top_posn=-30000\r\nwindow_left_posn=40000\r\nwindow_Width=700\r\nwindow_Height=500",
         {20, 20, 700, 500}, {100, 20}, {100, 20}},
        {"window_top_posn=30\r\nwindow_left_posn=40\r\nwindow_Width=0\r\nwindow_Height=500",
         {40, 30, 681, 481}, {100, 20}, {100, 20}},
        {"Element_Report_Form.Left=50000\r\nElement_Report_Form.Top=30\r\nGlossary_of_Terms_Form.Left=40\r\n"
         "Glossary_of_Terms_Form.Top=-40000", {20, 20, 681, 481}, {100, 20}, {100, 20}},
        {"window_left_posn=-300\r\nElement_Report_Form.Left=-100\r\nGlossary_of_Terms_Form.Top=-50",
         {-300, 20, 681, 481}, {-100, 20}, {100, -50}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Ini);
        Restart(std::string("[Halvorn]\r\n") + c.Ini + "\r\n");
        Expect_Outer_Bounds(c.Main.left, c.Main.top, c.Main.right, c.Main.bottom);
        EXPECT_EQ(Top_Left(Program().Element_Report_Form), std::pair(c.Report.x, c.Report.y));
        EXPECT_EQ(Top_Left(Program().Glossary_of_Terms_Form), std::pair(c.Glossary.x, c.Glossary.y));
    }
}

TEST_F(Settings, AlwaysOnTopIsRestoredAndToggledInPlace)
{
    Write_Ini("[Halvorn]\r\nAlways_on_Top_Option=1\r\n");
    Start();
    EXPECT_TRUE(Main().Menu_Checked(Always_On_Top_Option));
    EXPECT_TRUE(GetWindowLongW(Main().Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    SetForegroundWindow(Program().Element_Report_Form.Handle());
    for (const bool on : {false, true}) {
        SendMessageW(Main().Handle(), WM_COMMAND, Always_On_Top_Option, 0);
        EXPECT_EQ(Main().Menu_Checked(Always_On_Top_Option), on);
        EXPECT_EQ((GetWindowLongW(Main().Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, on);
    }
    Expect_Outer_Bounds(20, 20, 681, 481);  // neither moved nor resized
    Close();
    EXPECT_NE(Read_Ini().find("Always_on_Top_Option=1"), std::string::npos);
}

TEST_F(Settings, FactoryResetAskedFirstDeletesEvenAReadOnlyFileAndBringsBackTheDefaults)
{
    Write_Ini("[Halvorn]\r\nTransition_Metals_Colour_Shape=255\r\nwindow_Width=900\r\nGraph_Type_ComboBox=3\r\n"
              "Element_Report_Form.Top=300\r\n");
    SetFileAttributesW(Ini_Path().c_str(), FILE_ATTRIBUTE_READONLY);
    Start();
    ShowWindow(Main().Handle(), SW_MAXIMIZE);
    Answers = {IDNO, IDYES};
    SendMessageW(Main().Handle(), WM_COMMAND, Restore_Factory_Defaults_Option, 0);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Flags, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
    // Four lines, the fourth after an empty line.
    const std::string& text = Boxes[0].Text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
    EXPECT_EQ(text.find("\r\n\r\n"), text.rfind("\r\n", text.rfind("\r\n") - 1));
    EXPECT_TRUE(Ini_Exists()) << "No changes nothing";
    EXPECT_EQ(Main().Table().Element_Box(26).Fill, RGB(255, 0, 0));

    SendMessageW(Main().Handle(), WM_COMMAND, Restore_Factory_Defaults_Option, 0);
    EXPECT_FALSE(Ini_Exists()) << "gone, and not written again until the close";
    Expect_Defaults();
    Close();
    EXPECT_TRUE(Ini_Exists());
}

TEST_F(Settings, FactoryResetLeavesAFileHeldOpenByAnotherProgram)
{
    Write_Ini("[Halvorn]\r\nTransition_Metals_Colour_Shape=255\r\n");
    Start();
    // Held open with every sharing allowed, deleting included: a plain delete would
    // succeed, so only the status probe keeps the file in place.
    const HANDLE held = CreateFileW(Ini_Path().c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Probe_File_Status(Ini_Path()), "OPEN");
    Answers = {IDYES};
    SendMessageW(Main().Handle(), WM_COMMAND, Restore_Factory_Defaults_Option, 0);
    CloseHandle(held);
    EXPECT_TRUE(Ini_Exists());
    EXPECT_EQ(Main().Table().Element_Box(26).Fill, RGB(255, 0, 0)) << "its values stay in force";
    EXPECT_EQ(Boxes.size(), 1u) << "a failed delete shows no message";
}

TEST(File_Helpers, ProbeAttributesAndDelete)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring name = std::wstring(temp) + L"halvorn-probe-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    EXPECT_EQ(Probe_File_Status(L""), "");
    EXPECT_EQ(Probe_File_Status(name), "");
    EXPECT_EQ(Probe_File_Status(std::wstring(130, L'x')), "CLOSED");
    EXPECT_FALSE(Delete_Closed_File(name));
    CloseHandle(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    EXPECT_TRUE(Set_File_Attributes(name, true, true, false, true));
    EXPECT_EQ(GetFileAttributesW(name.c_str()) & 0x27u,
              static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_TRUE(Delete_Closed_File(name)) << "read-only and hidden";
}

}  // namespace
}  // namespace halvorn::test
