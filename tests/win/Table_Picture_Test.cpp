#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "export/Desktop_Wallpaper.h"
#include "platform/Gdi_Owners.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "resources/Command_Ids.h"
#include "tests/win/Win_Test_Support.h"
#include "winint/Auto_Run.h"
#include "winint/Memory_Registry.h"

namespace halvorn::test {
namespace {

constexpr Registry_Root HKLM = Registry_Root::Local_Machine;
constexpr Registry_Root HKCU = Registry_Root::Current_User;
const std::wstring Desktop = L"\\Control Panel\\Desktop";

// The program's windows with the registry and the desktop kept in the test.
class Program_Commands : public Program_Test, protected Modal_Steps {
protected:
    void SetUp() override
    {
        Program_Test::SetUp();
        Store.Add_Key(HKLM, std::wstring(Run_Key));
        Store.Add_Key(HKCU, Desktop);
        Program().Registry = &Store;
        Program().Dialog_WallPaper_Style_Form.Use(Store, [this](const std::wstring& path) { Reapplied.push_back(path); });
        Start();
        Main().Picture().Set_Wallpaper = [this](const std::wstring& path) { Wallpapers.push_back(path); };
    }
    void TearDown() override
    {
        SetFileAttributesW(Picture_Path().c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(Picture_Path().c_str());
        Program_Test::TearDown();
    }
    // Runs a command that opens window modally, taking the queued steps inside its loop.
    void Command_With_Steps(int id, HWND window) { Run_Modal(window, Main().Handle(), [this, id] { Command(id); }); }
    void Click_In_Dialog(const char* button)
    {
        const HWND window = Program().Dialog_WallPaper_Style_Form.Components().Find(button)->Window;
        Add([window] { PostMessageW(window, BM_CLICK, 0, 0); });
    }

    std::wstring Picture_Path() const { return Executable_Directory() + L"Halvorn.bmp"; }
    // The picture file as the system reads it; none when there is none.
    Bitmap_Handle Saved_Picture() const
    {
        return Bitmap_Handle(static_cast<HBITMAP>(
            LoadImageW(nullptr, Picture_Path().c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    }
    std::pair<int, int> Saved_Size() const
    {
        const Client_Pixels picture = Read_Bitmap_Pixels(Saved_Picture().Get());
        return {picture.Width, picture.Height};
    }
    // The table page down to the Exit button, which a capture takes.
    std::pair<int, int> Page_Size()
    {
        // The page's top within the page control, which its own bounds hold in the window.
        const int page_top = Main().Component_Named("TabSheet1").Top - Main().Component_Named("PageControl1").Top;
        return {Main().Component_Named("PageControl1").Width, Main().Table().Exit_BitBtn().Top - page_top};
    }

    Memory_Registry Store;
    std::vector<std::wstring> Reapplied, Wallpapers;
};

// Pure red pixels inside rect.
int Red_Pixels(const Client_Pixels& pixels, const RECT& rect)
{
    int red = 0;
    for (int y = std::max<LONG>(rect.top, 0); y < std::min<LONG>(rect.bottom, pixels.Height); ++y)
        for (int x = std::max<LONG>(rect.left, 0); x < std::min<LONG>(rect.right, pixels.Width); ++x)
            red += pixels.At(x, y) == RGB(255, 0, 0);
    return red;
}

TEST_F(Program_Commands, SavedPictureFollowsTheControlsAndBringsTheTableToTheFront)
{
    Set_Client_Size(Main().Scaler().Design_Client_Width(), Main().Scaler().Design_Client_Height());
    Main().Pages().Show_Page(1);
    Set_Executable_Path_Override(Executable_Directory() + L"Other Name.exe");
    Command(Save_Halvorn_Image_To_File_Option);
    EXPECT_EQ(Main().Pages().Active_Page(), 0);
    const std::pair<int, int> design = Saved_Size();
    EXPECT_EQ(design, Page_Size());
    // The file holds the table's own pixels, in their colours: iron's box is yellow.
    const RECT control = Component_List::Host_Rect(Main().Component_Named("PageControl1"));
    const RECT iron = Component_List::Host_Rect(Main().Table().Element_Box(26));
    EXPECT_EQ(Read_Bitmap_Pixels(Saved_Picture().Get()).At(control.left + iron.left + 6, control.top + iron.bottom - 6),
              RGB(255, 255, 0));
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "Periodic Table image saved to the file : " + Narrow(Picture_Path()));
    EXPECT_EQ(Boxes[0].Flags & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));

    // A second save at twice the size replaces the first picture.
    Set_Client_Size(1382, 970);
    Command(Save_Halvorn_Image_To_File_Option);
    EXPECT_EQ(Saved_Size(), Page_Size());
    EXPECT_GT(Saved_Size().first, design.first * 19 / 10);
    EXPECT_EQ(Boxes.size(), 2u);
}

TEST_F(Program_Commands, TheCaptionIsInTheCopiedPictureButNotLeftOnScreen)
{
    Set_Client_Size(Main().Scaler().Design_Client_Width(), Main().Scaler().Design_Client_Height());
    Clipboard_Text(L"");
    Command(Copy_Table_To_Windows_Clipboard_Option);
    EXPECT_TRUE(Boxes.empty());
    ASSERT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));

    // The caption's place in the client area, and in the picture, which starts at the
    // page's offset within the page control (its stretch moves it a few pixels only).
    const Component& label = Main().Table().Message_Label_1();
    const RECT page = Component_List::Host_Rect(Main().Component_Named("TabSheet1"));
    const RECT control = Component_List::Host_Rect(Main().Component_Named("PageControl1"));
    RECT around{page.left + label.Left - 8, page.top + label.Top - 8, page.left + label.Left + label.Width + 8,
                page.top + label.Top + label.Height + 8};

    RECT in_picture = around;
    OffsetRect(&in_picture, -(page.left - control.left), -(page.top - control.top));
    const Client_Pixels picture = Clipboard_Bitmap();
    EXPECT_GT(Red_Pixels(picture, in_picture), 30) << "the red caption is in the picture";
    EXPECT_FALSE(label.Visible);
    EXPECT_EQ(Red_Pixels(Read_Client_Pixels(Main().Handle()), around), 0) << "and gone from the window";
}

// The focus cue shows where the keyboard is, which is no part of the table.
TEST_F(Program_Commands, TheFocusCueStaysOutOfThePicture)
{
    Command(Copy_Table_To_Windows_Clipboard_Option);
    const Client_Pixels without = Clipboard_Bitmap();
    Component& iron = Main().Table().Element_Box(26);
    Main().Table().Keyboard().Focus(iron);
    ASSERT_TRUE(iron.Focus_Cue);
    Command(Copy_Table_To_Windows_Clipboard_Option);
    EXPECT_TRUE(Clipboard_Bitmap().Colours == without.Colours);
    EXPECT_TRUE(iron.Focus_Cue) << "back on screen after";
}

// The wallpaper dialog's choice is written and the picture saved quietly; Cancel touches
// nothing, and the dialog shows the last choice next time.
TEST_F(Program_Commands, WallpaperCommandSavesQuietlyInTheChosenStyleAndCancelTouchesNothing)
{
    TDialog_WallPaper_Style_Form& dialog = Program().Dialog_WallPaper_Style_Form;
    Click_In_Dialog("Cancel_BitBtn");
    Command_With_Steps(Set_Halvorn_Image_To_Be_Windows_Desktop_Option, dialog.Handle());
    EXPECT_EQ(Store.Write_Count(), 0);
    EXPECT_EQ(GetFileAttributesW(Picture_Path().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(Wallpapers.empty());
    EXPECT_TRUE(Reapplied.empty());

    Main().Pages().Show_Page(1);
    Add([&] { SendMessageW(dialog.Item_Button(1), BM_CLICK, 0, 0); });
    Click_In_Dialog("OK_BitBtn");
    Command_With_Steps(Set_Halvorn_Image_To_Be_Windows_Desktop_Option, dialog.Handle());
    EXPECT_EQ(Store.Value(HKCU, Desktop, L"TileWallpaper"), L"1");
    EXPECT_EQ(Wallpapers, std::vector<std::wstring>{Picture_Path()});
    EXPECT_EQ(Reapplied.size(), 1u);
    EXPECT_TRUE(Boxes.empty()) << "no confirmation while the picture becomes the wallpaper";
    const std::string wallpaper = File_Bytes(Picture_Path());

    Command(Save_Halvorn_Image_To_File_Option);
    ASSERT_EQ(Boxes.size(), 1u) << "the next save confirms again";
    // The wallpaper's picture is the table as a plain save takes it: nothing of the dialog
    // that stood over the window, nor of the graph page the command started from.
    EXPECT_TRUE(File_Bytes(Picture_Path()) == wallpaper);

    // Shown again, Tiled is still chosen; the arrows choose another and Enter takes it.
    // Another program that comes to the front meanwhile takes none of that away.
    std::optional<Other_Program_Window> other;
    Add([&other] { other.emplace(); });
    Add([&] { EXPECT_EQ(dialog.Item_Index(), 1); EXPECT_EQ(GetFocus(), dialog.Item_Button(1)); });
    for (const WPARAM key : {VK_DOWN, VK_RETURN}) Add([key] { PostMessageW(GetFocus(), WM_KEYDOWN, key, 0); });
    Command_With_Steps(Set_Halvorn_Image_To_Be_Windows_Desktop_Option, dialog.Handle());
    EXPECT_EQ(Store.Value(HKCU, Desktop, L"WallpaperStyle"), L"2");
    EXPECT_EQ(Store.Value(HKCU, Desktop, L"TileWallpaper"), L"0");
}

// A style that cannot be applied is reported; OK still sets the picture as the wallpaper.
TEST_F(Program_Commands, AWallpaperStyleThatCannotBeAppliedIsReported)
{
    const HWND dialog = Program().Dialog_WallPaper_Style_Form.Handle();
    Store.Remove_Key(HKCU, Desktop);
    Click_In_Dialog("OK_BitBtn");
    Command_With_Steps(Set_Halvorn_Image_To_Be_Windows_Desktop_Option, dialog);
    // One error box for each value, as the registry routines' own test shows, then the summary.
    ASSERT_EQ(Boxes.size(), 3u);
    EXPECT_EQ(Boxes[2].Text, "Error: The selected Wallpaper setting could not be applied.");
    EXPECT_EQ(Boxes[2].Flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));

    // A write the system refuses goes to the general error box.
    Boxes.clear();
    Store.Add_Key(HKCU, Desktop);
    Store.Refuse_Writes_Of(L"WallpaperStyle");
    Click_In_Dialog("OK_BitBtn");
    Command_With_Steps(Set_Halvorn_Image_To_Be_Windows_Desktop_Option, dialog);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "Failed to set data for 'WallpaperStyle'.");
    EXPECT_EQ(Boxes[0].Flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_TRUE(Reapplied.empty());
    EXPECT_EQ(Wallpapers.size(), 2u);
}

TEST_F(Program_Commands, AutoRunFollowsTheRegistryAndOffersToMendAMovedProgram)
{
    const std::wstring here = Executable_Path();
    EXPECT_FALSE(Main().Menu_Checked(Auto_Run_at_Windows_Startup_Option));
    Command(Auto_Run_at_Windows_Startup_Option);
    EXPECT_TRUE(Main().Menu_Checked(Auto_Run_at_Windows_Startup_Option));
    EXPECT_EQ(Store.Value(HKLM, std::wstring(Run_Key), L"Halvorn.exe"), here);
    Command(Auto_Run_at_Windows_Startup_Option);
    EXPECT_FALSE(Main().Menu_Checked(Auto_Run_at_Windows_Startup_Option));
    EXPECT_FALSE(Store.Value(HKLM, std::wstring(Run_Key), L"Halvorn.exe"));
    ASSERT_EQ(Boxes.size(), 2u);
    EXPECT_EQ(Boxes[0].Text, "This program (Halvorn.exe) will now run automatically at Windows Start-Up.");
    EXPECT_EQ(Boxes[1].Text, "This program (Halvorn.exe) will now no-longer run automatically at Windows Start-Up.");

    // Registered from elsewhere, seen by the next show sequence: the question, and Yes
    // points the value here.
    Store.Put(HKLM, std::wstring(Run_Key), L"Halvorn.exe", L"C:\\Old Place\\Halvorn.exe");
    Boxes.clear();
    Answers = {IDYES};
    Main().FormShow();
    ASSERT_EQ(Boxes.size(), 2u) << "the question, then the confirmation";
    EXPECT_NE(Boxes[0].Text.find(" Old      = C:\\Old Place\\Halvorn.exe\r\n"), std::string::npos);
    EXPECT_TRUE(Main().Menu_Checked(Auto_Run_at_Windows_Startup_Option));
    EXPECT_EQ(Store.Value(HKLM, std::wstring(Run_Key), L"Halvorn.exe"), here);
}

TEST_F(Program_Commands, AFileThatCannotBeCreatedIsReportedWithItsPathAndKeepsWhatWasThere)
{
    const std::wstring missing = Executable_Directory() + L"gone\\";
    const std::wstring here = Executable_Path();
    Set_Executable_Path_Override(missing + L"Halvorn.exe");
    Command(Save_Halvorn_Image_To_File_Option);
    Set_Executable_Path_Override(here);
    EXPECT_FALSE(Main().Table().Message_Label_1().Visible);

    // A file another program holds stays as it was.
    std::ofstream(std::filesystem::path(Picture_Path()), std::ios::binary) << "kept";
    const HANDLE held = CreateFileW(Picture_Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Command(Save_Halvorn_Image_To_File_Option);
    CloseHandle(held);
    ASSERT_EQ(Boxes.size(), 2u);
    EXPECT_EQ(Boxes[0].Text, "Cannot create file " + Narrow(missing) + "Halvorn.bmp.");
    // The new picture is made beside it but cannot take its place; the system says why.
    EXPECT_EQ(Boxes[1].Text.rfind("Cannot write file " + Narrow(Picture_Path()) + ": ", 0), 0u) << Boxes[1].Text;
    for (const Recorded_Box& box : Boxes) EXPECT_EQ(box.Flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(File_Bytes(Picture_Path()), "kept");
}

TEST_F(Program_Commands, OnlyAnExistingFileBecomesTheWallpaper)
{
    std::vector<std::wstring> handed;
    const System_Wallpaper_Call record = [&handed](const std::wstring& path) { handed.push_back(path); };
    for (const std::wstring& path : {Picture_Path(), std::wstring(), Executable_Directory()})
        Set_Desktop_Wallpaper(path, record);
    EXPECT_TRUE(handed.empty());
    std::ofstream(std::filesystem::path(Picture_Path())) << "BM";
    Set_Desktop_Wallpaper(Picture_Path(), record);
    EXPECT_EQ(handed, std::vector<std::wstring>{Picture_Path()});
}

}  // namespace
}  // namespace halvorn::test
