#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/Wallpaper_Style.h"
#include "winint/Auto_Run.h"
#include "winint/Memory_Registry.h"
#include "winint/Registry_Routines.h"

namespace halvorn {
namespace {

constexpr Registry_Root HKCU = Registry_Root::Current_User;
constexpr Registry_Root HKLM = Registry_Root::Local_Machine;
const std::wstring Test_Key = L"\\Software\\Halvorn Test";
const std::wstring Run_Path = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring Desktop = L"\\Control Panel\\Desktop";
const std::wstring Exe = L"C:\\Program Files\\Halvorn\\Halvorn.exe";
const std::wstring Quoted_Exe = L"\"" + Exe + L"\"";

struct Shown {
    std::wstring Text;
    Message_Icon Icon;
    Message_Buttons Buttons;
    bool operator==(const Shown&) const = default;
    friend void PrintTo(const Shown& shown, std::ostream* out)
    {
        *out << ::testing::PrintToString(shown.Text) << " icon " << int(shown.Icon) << " buttons "
             << int(shown.Buttons);
    }
};
const Shown Auto_Run_On{L"This program (Halvorn.exe) will now run automatically at Windows Start-Up.",
                        Message_Icon::Information, Message_Buttons::Ok};
const Shown Auto_Run_Off{L"This program (Halvorn.exe) will now no-longer run automatically at Windows Start-Up.",
                         Message_Icon::Information, Message_Buttons::Ok};

class Recorder final : public User_Messages {
public:
    Message_Answer Show(const std::wstring& text, Message_Icon icon, Message_Buttons buttons) override
    {
        Boxes.push_back({text, icon, buttons});
        if (Answers.empty()) return buttons == Message_Buttons::Ok ? Message_Answer::Ok : Message_Answer::No;
        const Message_Answer answer = Answers.front();
        Answers.erase(Answers.begin());
        return answer;
    }
    // A screen of 60 characters.
    std::wstring Fit_Line(std::wstring_view line) override { return Shorten_Middle(line, 60); }
    std::vector<Shown> Boxes;
    std::vector<Message_Answer> Answers;
};

class Registry_Routines : public ::testing::Test {
protected:
    void SetUp() override
    {
        Store.Add_Key(HKCU, Test_Key);
        Store.Add_Key(HKLM, Run_Path);
        Store.Put(HKCU, Desktop, L"Wallpaper", L"C:\\Pictures\\Lake.bmp");
    }
    // Records the pictures the wallpaper routines apply.
    System_Wallpaper_Call Recording()
    {
        return [this](const std::wstring& path) { Applied.push_back(path); };
    }

    Memory_Registry Store;
    Recorder Messages;
    std::vector<std::wstring> Applied;
};

TEST_F(Registry_Routines, WriteReadAndDeleteQuietlyAndRaisePlatformErrorsUnshown)
{
    const std::wstring& key = Test_Key;
    EXPECT_TRUE(Write_Registry_String(Store, Messages, HKCU, key, L"Colour", L"Red ü"));
    EXPECT_EQ(Read_Registry_String(Store, HKCU, key, L"colour"), L"Red ü");
    // Anything missing reads as empty; a value already gone counts as removed.
    EXPECT_EQ(Read_Registry_String(Store, HKCU, key, L"Other"), L"");
    EXPECT_EQ(Read_Registry_String(Store, HKCU, L"\\Software\\Nowhere", L"Colour"), L"");
    EXPECT_TRUE(Delete_Registry_Value(Store, Messages, HKCU, key, L"Colour"));
    EXPECT_FALSE(Store.Value_Exists(HKCU, key, L"Colour"));
    EXPECT_TRUE(Delete_Registry_Value(Store, Messages, HKCU, key, L"Colour"));

    Store.Refuse_Writes_Of(L"Size");
    Store.Put_Number(HKCU, key, L"Count");
    EXPECT_THROW(Write_Registry_String(Store, Messages, HKCU, key, L"Size", L"12"), Registry_Error);
    EXPECT_THROW(Read_Registry_String(Store, HKCU, key, L"Count"), Registry_Error);
    EXPECT_TRUE(Messages.Boxes.empty());
}

// Each failure returns false and shows one error box naming the key, the item and the value.
TEST_F(Registry_Routines, EachFailureShowsOneErrorBoxWithTheKeyItemAndValue)
{
    const std::wstring nowhere = L"\\Software\\Nowhere";
    Store.Spoil_Writes_Of(L"Size");
    Store.Put(HKCU, Test_Key, L"Name", L"Halvorn");
    Store.Keep_On_Delete(L"Name");
    EXPECT_FALSE(Write_Registry_String(Store, Messages, HKCU, nowhere, L"Size", L"12"));
    EXPECT_FALSE(Write_Registry_String(Store, Messages, HKCU, Test_Key, L"Size", L"12"));
    EXPECT_FALSE(Delete_Registry_Value(Store, Messages, HKCU, nowhere, L"Name"));
    EXPECT_FALSE(Delete_Registry_Value(Store, Messages, HKCU, Test_Key, L"Name"));
    EXPECT_FALSE(Store.Key_Exists(HKCU, nowhere));
    const auto error = [](std::wstring text) { return Shown{text, Message_Icon::Error, Message_Buttons::Ok}; };
    EXPECT_EQ(Messages.Boxes, (std::vector<Shown>{
        error(L"Error: The specified Registry Key for this operation \r\ndoes NOT exist on your PC.  \r\n\r\n"
              L" Error Key   = \\Software\\Nowhere\r\n Error Item  = Size\r\n Error Value = 12\r\n\r\n"
              L"Please contact the program's author."),
        error(L"Error: The required settings could not be created \r\nor saved in the Windows Registry.  \r\n\r\n"
              L" Error Key   = \\Software\\Halvorn Test\r\n Error Item  = Size\r\n Error Value = 12\r\n\r\n"
              L"Please contact the program's author."),
        error(L"Error: The specified Registry Key for this operation \r\ndoes NOT exist on your PC.  \r\n\r\n"
              L" Error Key   = \\Software\\Nowhere\r\n Error Item  = Name\r\n\r\nPlease contact the program's author."),
        error(L"Error: The required Registry Key settings \r\ncould not be removed from the Windows Registry.  \r\n\r\n"
              L" Error Key   = \\Software\\Halvorn Test\r\n Error Item  = Name\r\n\r\n"
              L"Please contact the program's author."),
    }));
}

// A key this user may read but not change (a standard user's machine-wide run key) is read
// as it is; changing it says administrator rights are needed, not that it is missing.
TEST_F(Registry_Routines, AKeyWithheldFromWritingIsReadAndItsChangesAskForAdministratorRights)
{
    Store.Put(HKLM, Run_Path, L"Halvorn.exe", Exe);
    Store.Withhold_Writing(HKLM, Run_Path);
    EXPECT_TRUE(Verify_Auto_Run(Store, Messages, Exe));
    EXPECT_FALSE(Disable_Auto_Run(Store, Messages, Exe));
    EXPECT_FALSE(Enable_Auto_Run(Store, Messages, L"C:\\B\\Second.exe"));
    EXPECT_EQ(Store.Value(HKLM, Run_Path, L"Halvorn.exe"), Exe);
    const auto error = [](std::wstring text) { return Shown{text, Message_Icon::Error, Message_Buttons::Ok}; };
    EXPECT_EQ(Messages.Boxes, (std::vector<Shown>{
        error(L"Error: Administrator rights are needed to change this Registry Key, \r\nand this program is not "
              L"running with them.  \r\n\r\n Error Key   = \\Software\\Microsoft\\Windows\\CurrentVersion\\Run\r\n"
              L" Error Item  = Halvorn.exe\r\n\r\nPlease contact the program's author."),
        error(L"Error: Administrator rights are needed to change this Registry Key, \r\nand this program is not "
              L"running with them.  \r\n\r\n Error Key   = \\Software\\Microsoft\\Windows\\CurrentVersion\\Run\r\n"
              L" Error Item  = Second.exe\r\n Error Value = C:\\B\\Second.exe\r\n\r\n"
              L"Please contact the program's author."),
    }));
}

TEST_F(Registry_Routines, ErrorTextsReachTheErrorBoxInTheProgramsCodePage)
{
    EXPECT_STREQ(Failed_To_Set_Data(L"Caf\u00e9 \u20ac").what(), "Failed to set data for 'Caf\xe9 \x80'");
    EXPECT_EQ(Invalid_Data_Type(L"\u0416").Text(), L"Invalid data type for '\u0416'");
    EXPECT_STREQ(Invalid_Data_Type(L"\u0416").what(), "Invalid data type for '?'");
    EXPECT_EQ(To_Windows_1252(L"\u0081\u0153\u00ff"), "\x81\x9c\xff");
}

TEST_F(Registry_Routines, AutoRunOnThenOffConfirmsEachAndLeavesNothing)
{
    // A path with a blank is written in quotes, so that no "C:\Program.exe" can stand in.
    ASSERT_TRUE(Enable_Auto_Run(Store, Messages, Exe));
    EXPECT_EQ(Store.Value(HKLM, Run_Path, L"Halvorn.exe"), Quoted_Exe);
    EXPECT_TRUE(Verify_Auto_Run(Store, Messages, Exe));
    ASSERT_TRUE(Disable_Auto_Run(Store, Messages, Exe));
    EXPECT_FALSE(Store.Value_Exists(HKLM, Run_Path, L"Halvorn.exe"));
    EXPECT_FALSE(Verify_Auto_Run(Store, Messages, Exe));
    EXPECT_TRUE(Disable_Auto_Run(Store, Messages, Exe)) << "removing it again still succeeds";
    EXPECT_EQ(Messages.Boxes, (std::vector<Shown>{Auto_Run_On, Auto_Run_Off, Auto_Run_Off}));

    // Copies with other names keep their own values.
    ASSERT_TRUE(Enable_Auto_Run(Store, Messages, L"C:\\B\\Second.exe"));
    EXPECT_EQ(Store.Value(HKLM, Run_Path, L"Second.exe"), L"C:\\B\\Second.exe");
    EXPECT_FALSE(Verify_Auto_Run(Store, Messages, Exe));

    // Without the run key: an error box for each change, nothing for the check.
    Store.Remove_Key(HKLM, Run_Path);
    Messages.Boxes.clear();
    EXPECT_FALSE(Enable_Auto_Run(Store, Messages, Exe));
    EXPECT_FALSE(Disable_Auto_Run(Store, Messages, Exe));
    EXPECT_FALSE(Verify_Auto_Run(Store, Messages, Exe));
    ASSERT_EQ(Messages.Boxes.size(), 2u);
    const std::wstring named = L" Error Item  = Halvorn.exe\r\n Error Value = " + Quoted_Exe + L"\r\n";
    EXPECT_NE(Messages.Boxes[0].Text.find(named), std::wstring::npos);
}

TEST_F(Registry_Routines, MovedExecutableIsOfferedAnUpdate)
{
    const std::wstring old_path = L"C:\\Old Place\\Halvorn.exe";
    const Shown question{
        L"The directory / path settings required to make this program (Halvorn.exe)\r\nrun automatically at "
        L"Windows Start-up do not match where the program \r\nis currently being run from.\r\n\r\n"
        L" Old      = C:\\Old Place\\Halvorn.exe\r\n Current = C:\\Program Files\\Halvorn\\Halvorn.exe\r\n\r\n"
        L"Do you want to update the Windows Registry to reflect the programs current locaton ?",
        Message_Icon::Warning, Message_Buttons::Yes_No};

    // No: the old value stays, and the entry still counts as there.
    Store.Put(HKLM, Run_Path, L"Halvorn.exe", old_path);
    Messages.Answers = {Message_Answer::No};
    EXPECT_TRUE(Verify_Auto_Run(Store, Messages, Exe));
    EXPECT_EQ(Messages.Boxes, std::vector<Shown>{question});
    EXPECT_EQ(Store.Value(HKLM, Run_Path, L"Halvorn.exe"), old_path);

    // Yes: rewritten with the current path, and confirmed.
    Messages.Boxes.clear();
    Messages.Answers = {Message_Answer::Yes};
    EXPECT_TRUE(Verify_Auto_Run(Store, Messages, Exe));
    EXPECT_EQ(Messages.Boxes, (std::vector<Shown>{question, Auto_Run_On}));
    EXPECT_EQ(Store.Value(HKLM, Run_Path, L"Halvorn.exe"), Quoted_Exe);

    // A value too long for the screen is asked about with both paths cut in their middles.
    Messages.Boxes.clear();
    Store.Put(HKLM, Run_Path, L"Halvorn.exe", L"C:\\" + std::wstring(32000, L'x') + L"\\Halvorn.exe");
    EXPECT_TRUE(Verify_Auto_Run(Store, Messages, Exe));
    ASSERT_EQ(Messages.Boxes.size(), 1u);
    EXPECT_NE(Messages.Boxes[0].Text.find(L"\r\n Old      = C:\\xxxxxxxxxxxxx...xxxxxxxxxxxxxxxxx\\Halvorn.exe\r\n"
                                          L" Current = C:\\Program Files\\Halvorn\\Halvorn.exe\r\n"),
              std::wstring::npos)
        << ::testing::PrintToString(Messages.Boxes[0].Text);
}

TEST_F(Registry_Routines, PathsDifferingOnlyInAsciiLetterCaseMatch)
{
    const struct { std::wstring Registered, Current; bool Asks; } cases[] = {
        {L"c:\\program files\\HALVORN\\halvorn.EXE", Exe, false},
        {L"C:\\Stra\u00dfe\\\u00e4\\Halvorn.exe", L"c:\\STRA\u00dfE\\\u00e4\\HALVORN.EXE", false},
        // Letters beyond a to z are compared as they stand.
        {L"C:\\\u00e4\\Halvorn.exe", L"C:\\\u00c4\\Halvorn.exe", true},
        {L"C:\\Program Files\\Halvorn\\Halvorn.exe ", Exe, true},
        // Quotes around the path are no difference; quotes inside it are.
        {Quoted_Exe, Exe, false},
        {L"\"C:\\Program Files\\Halvorn\\\"Halvorn.exe", Exe, true},
    };
    for (const auto& c : cases) {
        Memory_Registry store;
        Recorder messages;
        store.Put(HKLM, Run_Path, Executable_File_Name(c.Current), c.Registered);
        EXPECT_TRUE(Verify_Auto_Run(store, messages, c.Current));
        EXPECT_EQ(messages.Boxes.size(), c.Asks ? 1u : 0u);
        EXPECT_EQ(store.Value(HKLM, Run_Path, Executable_File_Name(c.Current)), c.Registered);
    }
}

TEST_F(Registry_Routines, EachWallpaperStyleWritesItsTwoValuesAndReappliesTheCurrentPicture)
{
    const struct { int Index; std::wstring Style, Tile; } cases[] = {
        {1, L"0", L"1"},  // Tiled
        {2, L"2", L"0"},  // Stretched
        {0, L"0", L"0"},  // Centered
    };
    for (const auto& c : cases) {
        Applied.clear();
        EXPECT_TRUE(Apply_Wallpaper_Style(c.Index, Store, Messages, Recording())) << c.Index;
        EXPECT_EQ(Store.Value(HKCU, Desktop, L"WallpaperStyle"), c.Style) << c.Index;
        EXPECT_EQ(Store.Value(HKCU, Desktop, L"TileWallpaper"), c.Tile) << c.Index;
        EXPECT_EQ(Applied, std::vector<std::wstring>{L"C:\\Pictures\\Lake.bmp"}) << c.Index;
    }
    // An index outside the table writes nothing.
    const int writes = Store.Write_Count();
    for (const int index : {3, -1}) EXPECT_FALSE(Apply_Wallpaper_Style(index, Store, Messages, Recording()));
    EXPECT_EQ(Store.Write_Count(), writes);
    EXPECT_EQ(Applied.size(), 1u);
    EXPECT_TRUE(Messages.Boxes.empty());
    // With no current picture the empty path is applied; with no desktop key there is none.
    Store.Put(HKCU, Desktop, L"Wallpaper", L"");
    EXPECT_TRUE(Apply_Wallpaper_Style(2, Store, Messages, Recording()));
    EXPECT_EQ(Applied.back(), L"");
    Store.Remove_Key(HKCU, Desktop);
    EXPECT_EQ(Read_Current_Wallpaper(Store), L"");
}

// Without the desktop key both writes report it: the dialog's test.
TEST_F(Registry_Routines, AFailedFirstWallpaperWriteStillMakesTheSecond)
{
    Store.Spoil_Writes_Of(L"WallpaperStyle");
    EXPECT_FALSE(Apply_Wallpaper_Style(1, Store, Messages, Recording()));
    EXPECT_EQ(Store.Value(HKCU, Desktop, L"TileWallpaper"), L"1");
    ASSERT_EQ(Messages.Boxes.size(), 1u);
    EXPECT_NE(Messages.Boxes[0].Text.find(L" Error Item  = WallpaperStyle\r\n"), std::wstring::npos);
    EXPECT_TRUE(Applied.empty());
}

}  // namespace
}  // namespace halvorn
