#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

#include "app/Menu_Design.h"
#include "app/Settings_File.h"
#include "app/Program_Settings.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "tests/win/Win_Test_Support.h"
#include "winint/Auto_Run.h"
#include "winint/Memory_Registry.h"

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
              "Glossary_of_Terms_Form.Top=20\r\nGlossary_of_Terms_Form.Left=100\r\n"
              "Colour_By_Option=0\r\nColour_Property_ComboBox=6\r\nTemperature_Hundredths_Kelvin=27315\r\n"
              "Temperature_Unit_ComboBox=0\r\nDiscovery_Year_TrackBar=1869\r\nPlotted_Against_ComboBox=0\r\n"
              "Molar_Mass_Formula=CuSO4\xB7" "5H2O\r\n");
}

// Bad or missing values take their defaults. However long a value is, it is read whole, and
// far edges summed from saved values do not overflow: a window reaching down from above the
// screen is still seen.
TEST_F(Settings, BadOrMissingValuesFallBackToTheirDefaultsAndLongOnesAreReadWhole)
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

    Restart("[Halvorn]\r\nwindow_left_posn=" + std::string(70, '0') +
            "300\r\nwindow_top_posn=-100\r\nwindow_Height=2147483647\r\n");
    EXPECT_EQ(Outer_Bounds().left, 300);
    EXPECT_EQ(Outer_Bounds().top, -100);
}

// A run value the registry cannot give as a path is reported once; the show sequence goes
// on, and the check mark says the program does not run at start-up.
TEST_F(Settings, ARunValueOfAnotherTypeIsReportedAndTheShowGoesOn)
{
    Memory_Registry store;
    store.Put_Number(Registry_Root::Local_Machine, std::wstring(Run_Key), L"Halvorn.exe");
    Program().Registry = &store;
    Start();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "Invalid data type for 'Halvorn.exe'.");
    EXPECT_EQ(Boxes[0].Flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_FALSE(Main().Menu_Checked(Auto_Run_at_Windows_Startup_Option));
    EXPECT_EQ(Main().Table().Element_Box(26).Fill, RGB(255, 255, 0));
    EXPECT_GT(Main().Graph().Chart1().Model.Series.Count(), 100u);
    Program().Registry = &Program().System_Registry;
}

// Windows ends the program without a close when the user logs off: the settings are saved
// then, and not when the ending is called off.
TEST_F(Settings, LoggingOffSavesTheSettings)
{
    Start();
    Main().Graph().Next_Graph_SpeedButtonClick();
    EXPECT_TRUE(SendMessageW(Main().Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    SendMessageW(Main().Handle(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_FALSE(Ini_Exists());
    SendMessageW(Main().Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_NE(Read_Ini().find("\r\nGraph_Type_ComboBox=1\r\n"), std::string::npos);
}

// The close writes the settings into what the file holds, keeping what the program does not
// know; a file that cannot be replaced is reported by name and reason and stays as it was,
// with nothing left beside it.
TEST_F(Settings, TheCloseKeepsWhatItDoesNotKnowAndReportsAFileItCannotReplace)
{
    Write_Ini("; notes\r\n[Halvorn]\r\nLanguage=fr\r\nwindow_Width=900\r\n\r\n[Other]\r\nx=1\r\n");
    Start();
    Close();
    std::string ini = Read_Ini();
    EXPECT_EQ(ini.rfind("; notes\r\n[Halvorn]\r\nLanguage=fr\r\nwindow_Width=900\r\n", 0), 0u) << ini;
    EXPECT_NE(ini.find("Molar_Mass_Formula=CuSO4\xB7" "5H2O\r\n\r\n[Other]\r\nx=1\r\n"), std::string::npos) << ini;

    Restart(ini);
    const HANDLE held = CreateFileW(Ini_Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Main().Graph().Next_Graph_SpeedButtonClick();
    Close();
    CloseHandle(held);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text.rfind("Cannot write file " + Narrow(Ini_Path()) + ": ", 0), 0u) << Boxes[0].Text;
    EXPECT_EQ(Boxes[0].Flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(Read_Ini(), ini);
    const auto folder = std::filesystem::path(Ini_Path()).parent_path();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

// Saved values come back and are written again. The bounds saved are the screen bounds the
// window had before it was maximised or minimised (under Wine the work area is the whole
// monitor, so no taskbar offsets them).
TEST_F(Settings, SavedValuesComeBackAndClosingMaximisedOrMinimisedSavesTheNormalBounds)
{
    for (const bool maximised : {true, false}) {
        SCOPED_TRACE(maximised ? "maximised" : "minimised");
        const std::string bounds = "window_top_posn=30\r\nwindow_left_posn=40\r\nwindow_Width=700\r\nwindow_Height=500\r\n";
        Restart("[Halvorn]\r\n" + bounds + "Glossary_of_Terms_Form.Left=66\r\nAuto_Run_at_Windows_Startup_Option=5\r\n");
        EXPECT_FALSE(Main().Menu_Checked(Auto_Run_at_Windows_Startup_Option))
            << "the registry, which holds no run value, decides over the file";
        ShowWindow(Main().Handle(), maximised ? SW_MAXIMIZE : SW_MINIMIZE);
        Process_Messages();
        ASSERT_TRUE(maximised ? IsZoomed(Main().Handle()) : IsIconic(Main().Handle()));
        Close();
        const std::string ini = Read_Ini();
        EXPECT_NE(ini.find("WindowState_wsMaximized=" + std::to_string(maximised) + "\r\n"), std::string::npos);
        EXPECT_NE(ini.find(bounds), std::string::npos) << ini;
        EXPECT_NE(ini.find("Glossary_of_Terms_Form.Left=66\r\n"), std::string::npos) << ini;

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
        Command(Always_On_Top_Option);
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
    Command(Restore_Factory_Defaults_Option);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Flags, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
    // Four lines, the fourth after an empty line.
    const std::string& text = Boxes[0].Text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
    EXPECT_EQ(text.find("\r\n\r\n"), text.rfind("\r\n", text.rfind("\r\n") - 1));
    EXPECT_TRUE(Ini_Exists()) << "No changes nothing";
    EXPECT_EQ(Main().Table().Element_Box(26).Fill, RGB(255, 0, 0));

    Command(Restore_Factory_Defaults_Option);
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
    Command(Restore_Factory_Defaults_Option);
    CloseHandle(held);
    EXPECT_TRUE(Ini_Exists());
    EXPECT_EQ(Main().Table().Element_Box(26).Fill, RGB(255, 0, 0)) << "its values stay in force";
    EXPECT_EQ(Boxes.size(), 1u) << "a failed delete shows no message";
}

// A folder of its own in the temporary directory, removed with what it holds.
struct Scratch_Folder {
    Scratch_Folder() { std::filesystem::create_directory(Path); }
    ~Scratch_Folder() { std::filesystem::remove_all(Path); }
    std::filesystem::path Path = std::filesystem::temp_directory_path() /
                                 ("halvorn-writes-" + std::to_string(GetCurrentProcessId()));
};

// A settings text written whole: what the file began with, then each key once, each line
// ending, and the values of one writer only (left and top are written alike).
void Expect_Whole(const std::string& text, const std::string& beginning)
{
    EXPECT_EQ(text.rfind(beginning, 0), 0u) << text;
    for (const Setting_Key& key : Setting_Keys) {
        const std::string line = "\n" + std::string(key.Name) + "=";
        EXPECT_TRUE(text.find(line) != std::string::npos && text.find(line) == text.rfind(line))
            << key.Name << " not once in " << text;
    }
    EXPECT_EQ(text.back(), '\n');
    const auto value = [&](const std::string& name) {
        const auto start = text.find("\n" + name + "=") + name.size() + 2;
        return text.substr(start, text.find('\r', start) - start);
    };
    EXPECT_EQ(value("window_left_posn"), value("window_top_posn")) << text;
}

}  // namespace

// The writer the kill test ends: settings after settings into one file, each write's
// values its own, until it is killed.
int Write_Settings_Forever(const std::wstring& path)
{
    Program_Settings settings = Program_Settings::Defaults();
    for (std::int32_t count = static_cast<std::int32_t>(GetCurrentProcessId());; ++count) {
        settings.Window_Left = settings.Window_Top = count;
        try { Write_Settings_File(path, settings); } catch (const std::exception&) {}
    }
}

namespace {

// Ending the program at any moment of its writes leaves the file it had or a new one whole.
TEST(Settings_File, AKillAtAnyMomentLeavesAWholeFile)
{
    const Scratch_Folder folder;
    const auto ini = folder.Path / "Halvorn.ini";
    const std::string beginning = "; kept\r\n[Halvorn]\r\nLanguage=fr\r\n";
    std::ofstream(ini, std::ios::binary) << beginning;
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::mt19937 chance(7);
    for (int run = 0; run < 16; ++run) {
        std::wstring command = L"writer --write-settings-forever \"" + ini.wstring() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                   &process));
        // Killed once it is writing, at a moment of chance.
        const std::string before = File_Bytes(ini);
        for (int wait = 0; wait < 2000 && File_Bytes(ini) == before; ++wait) Sleep(1);
        Sleep(chance() % 15);
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hThread), CloseHandle(process.hProcess);
        SCOPED_TRACE(run);
        Expect_Whole(File_Bytes(ini), beginning);
    }
}

// Two copies closing at once: the last to write wins whole.
TEST(Settings_File, TwoWritersAtOnceLeaveOneWholeFile)
{
    const Scratch_Folder folder;
    const auto ini = folder.Path / "Halvorn.ini";
    const std::string beginning = "[Halvorn]\r\nLanguage=fr\r\n";
    std::ofstream(ini, std::ios::binary) << beginning;
    const auto writer = [&ini](std::int32_t place) {
        Program_Settings settings = Program_Settings::Defaults();
        settings.Window_Left = settings.Window_Top = place;
        for (int write = 0; write < 40; ++write) {
            try {
                Write_Settings_File(ini.wstring(), settings);
            } catch (const std::exception& error) {
                ADD_FAILURE() << error.what();
            }
        }
    };
    std::thread first(writer, 111), second(writer, 222);
    first.join();
    second.join();
    Expect_Whole(File_Bytes(ini), beginning);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path), {}), 1) << "nothing left beside it";
}

// Run by full_disk.sh, on a small file system of its own that it names: the settings and
// the table picture that no longer fit are reported by name and reason, and the files
// written before stay as they were.
TEST_F(Settings, FullDiskWritesAreReportedAndKeepTheOldFiles)
{
    const char* mounted = std::getenv("HALVORN_FULL_DISK");
    ASSERT_NE(mounted, nullptr) << "runs on the small file system full_disk.sh makes";
    const std::filesystem::path folder = mounted;
    const auto ini = folder / "Halvorn.ini", picture = folder / "Halvorn.bmp";
    std::ofstream(ini, std::ios::binary) << "[Halvorn]\r\nwindow_Width=700\r\n";
    std::ofstream(picture, std::ios::binary) << "BM old picture";
    Set_Executable_Path_Override((folder / "Halvorn.exe").wstring());
    Start();
    {
        std::ofstream filler(folder / "filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), block.size())) continue;
    }
    Command(Save_Halvorn_Image_To_File_Option);
    Close();
    ASSERT_EQ(Boxes.size(), 2u);
    EXPECT_EQ(Boxes[0].Text.rfind("Cannot write file " + picture.string() + ": ", 0), 0u) << Boxes[0].Text;
    EXPECT_EQ(Boxes[1].Text.rfind("Cannot write file " + ini.string() + ": ", 0), 0u) << Boxes[1].Text;
    EXPECT_EQ(File_Bytes(ini), "[Halvorn]\r\nwindow_Width=700\r\n");
    EXPECT_EQ(File_Bytes(picture), "BM old picture");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 3) << "nothing left beside them";
}

}  // namespace
}  // namespace halvorn::test
