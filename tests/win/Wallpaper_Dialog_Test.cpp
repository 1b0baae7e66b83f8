#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "export/Wallpaper_Style_Dialog.h"
#include "platform/Win_Text.h"
#include "tests/win/Win_Test_Support.h"
#include "winint/Memory_Registry.h"

namespace halvorn::test {
namespace {

const std::wstring Desktop = L"\\Control Panel\\Desktop";
constexpr Registry_Root HKCU = Registry_Root::Current_User;

// The dialog over an owner window of its own, writing into a registry in memory.
class Wallpaper_Dialog : public ::testing::Test, protected Modal_Steps {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        Window_Base::Register_Class(Host_Window::Class_Name);
        owner_ = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        Dialog.Create(owner_);
        Store.Put(HKCU, Desktop, L"Wallpaper", L"C:\\Windows\\Lake.bmp");
        Dialog.Use(Store, [this](const std::wstring& path) { Handed.push_back(path); });
    }
    void TearDown() override { DestroyWindow(owner_); }

    HWND Button(const char* name) { return Dialog.Components().Find(name)->Window; }
    void Click(HWND window)
    {
        Add([window] { SendMessageW(window, BM_CLICK, 0, 0); });
    }
    void Key(WPARAM key)
    {
        Add([key] { PostMessageW(GetFocus(), WM_KEYDOWN, key, 0); });
    }
    Modal_Result Show()
    {
        Modal_Result result{};
        Run_Modal(Dialog.Handle(), owner_, [&] { result = Dialog.Show_Modal(owner_); });
        return result;
    }

    Box_Recorder Recorder;
    TDialog_WallPaper_Style_Form Dialog;
    Memory_Registry Store;
    std::vector<std::wstring> Handed;

private:
    HWND owner_ = nullptr;
};

// The items are radio buttons stacked inside the group below its caption, above the
// buttons, which carry their glyphs.
TEST_F(Wallpaper_Dialog, ItemsStackInTheGroupAndTheButtonsHaveGlyphs)
{
    const char* captions[] = {"Centered", "Tiled", "Stretched"};
    int previous_bottom = 4 + 15;  // below the group's caption line
    for (int i = 0; i < 3; ++i) {
        const HWND item = Dialog.Item_Button(i);
        EXPECT_EQ(Window_Text(item), captions[i]);
        EXPECT_EQ(GetWindowLongW(item, GWL_STYLE) & 0xF, BS_AUTORADIOBUTTON);
        RECT rect;
        GetWindowRect(item, &rect);
        MapWindowPoints(nullptr, Dialog.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_TRUE(rect.top >= previous_bottom && rect.left > 4 && rect.right <= 173 && rect.bottom <= 103)
            << captions[i];
        previous_bottom = rect.bottom;
    }
    EXPECT_EQ(Dialog.Item_Index(), 0);
    for (const char* name : {"OK_BitBtn", "Cancel_BitBtn"}) {
        BUTTON_IMAGELIST images{};
        EXPECT_TRUE(SendMessageW(Button(name), BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images)) && images.himl)
            << name << " has no glyph";
    }
}

TEST_F(Wallpaper_Dialog, TabVisitsTheCheckedItemThenOkThenCancel)
{
    const HWND dialog = Dialog.Handle();
    const HWND ok = Button("OK_BitBtn"), cancel = Button("Cancel_BitBtn");
    for (const int checked : {0, 2}) {
        Dialog.Set_Item_Index(checked);
        const HWND item = Dialog.Item_Button(checked);
        EXPECT_EQ(GetNextDlgTabItem(dialog, item, FALSE), ok) << checked;
        EXPECT_EQ(GetNextDlgTabItem(dialog, ok, FALSE), cancel) << checked;
        EXPECT_EQ(GetNextDlgTabItem(dialog, cancel, FALSE), item) << checked;
        // The arrows stay among the items.
        EXPECT_EQ(GetNextDlgGroupItem(dialog, Dialog.Item_Button(2), FALSE), Dialog.Item_Button(0));
    }
}

TEST_F(Wallpaper_Dialog, CancelEscapeAndCloseTouchNothing)
{
    const std::vector<std::function<void()>> endings = {
        [this] { Click(Button("Cancel_BitBtn")); },
        [this] { Key(VK_ESCAPE); },
        [this] { Add([this] { PostMessageW(Dialog.Handle(), WM_CLOSE, 0, 0); }); },
    };
    for (std::size_t i = 0; i < endings.size(); ++i) {
        Click(Dialog.Item_Button(2));
        endings[i]();
        EXPECT_EQ(Show(), Modal_Result::Cancel) << "ending " << i;
    }
    EXPECT_EQ(Store.Write_Count(), 0);
    EXPECT_FALSE(Store.Value(HKCU, Desktop, L"WallpaperStyle"));
    EXPECT_TRUE(Handed.empty());
    EXPECT_TRUE(Recorder.Boxes.empty());
}

TEST_F(Wallpaper_Dialog, OkWithTiledWritesTheStyleAndIsRememberedForNextTime)
{
    Click(Dialog.Item_Button(1));
    Click(Button("OK_BitBtn"));
    EXPECT_EQ(Show(), Modal_Result::Ok);
    EXPECT_EQ(Store.Value(HKCU, Desktop, L"WallpaperStyle"), L"0");
    EXPECT_EQ(Store.Value(HKCU, Desktop, L"TileWallpaper"), L"1");
    EXPECT_EQ(Handed, std::vector<std::wstring>{L"C:\\Windows\\Lake.bmp"});
    EXPECT_TRUE(Recorder.Boxes.empty());

    // Shown again, Tiled is still chosen; Enter takes it, and the arrows choose another.
    // Another program that comes to the front meanwhile takes none of that away.
    std::optional<Other_Program_Window> other;
    Add([&other] { other.emplace(); });
    Add([this] { EXPECT_EQ(Dialog.Item_Index(), 1); EXPECT_EQ(GetFocus(), Dialog.Item_Button(1)); });
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_EQ(Show(), Modal_Result::Ok);
    EXPECT_EQ(Dialog.Item_Index(), 2);
    EXPECT_EQ(Store.Value(HKCU, Desktop, L"WallpaperStyle"), L"2");
    EXPECT_EQ(Store.Value(HKCU, Desktop, L"TileWallpaper"), L"0");
}

TEST_F(Wallpaper_Dialog, OkEndsWithOkEvenWhenTheStyleCannotBeApplied)
{
    Store.Remove_Key(HKCU, Desktop);
    Click(Button("OK_BitBtn"));
    EXPECT_EQ(Show(), Modal_Result::Ok);
    // One error box for each value, as the registry routines' own test shows, then the summary.
    ASSERT_EQ(Recorder.Boxes.size(), 3u);
    EXPECT_EQ(Recorder.Boxes[2].Text, "Error: The selected Wallpaper setting could not be applied.");
    EXPECT_EQ(Recorder.Boxes[2].Flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_TRUE(Handed.empty());

    // A write the system refuses goes to the general error box; the dialog still says OK.
    Recorder.Boxes.clear();
    Store.Add_Key(HKCU, Desktop);
    Store.Refuse_Writes_Of(L"WallpaperStyle");
    Click(Button("OK_BitBtn"));
    EXPECT_EQ(Show(), Modal_Result::Ok);
    ASSERT_EQ(Recorder.Boxes.size(), 1u);
    EXPECT_EQ(Recorder.Boxes[0].Text, "Failed to set data for 'WallpaperStyle'.");
    EXPECT_EQ(Recorder.Boxes[0].Flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_TRUE(Handed.empty());
}

}  // namespace
}  // namespace halvorn::test
