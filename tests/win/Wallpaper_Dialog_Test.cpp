#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "export/Wallpaper_Style_Dialog.h"
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
    void Click(HWND window) { Add([window] { SendMessageW(window, BM_CLICK, 0, 0); }); }
    void Key(WPARAM key) { Add([key] { PostMessageW(GetFocus(), WM_KEYDOWN, key, 0); }); }
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
