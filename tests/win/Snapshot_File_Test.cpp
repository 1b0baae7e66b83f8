#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "export/Desktop_Wallpaper.h"
#include "export/Table_Snapshot.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "tests/win/Box_Recorder.h"

namespace halvorn::test {
namespace {

constexpr COLORREF Red = RGB(255, 0, 0), Blue = RGB(0, 0, 255), Green = RGB(0, 255, 0), Yellow = RGB(255, 255, 0);

// A stand-in for the main window: its client area is one colour above y = 60 and blue
// below; the caption is a green child window, as the real page is a child of the main
// window. It records what the capture asked of it.
class Fake_Table final : public Snapshot_Source {
public:
    Fake_Table()
    {
        static const ATOM registered = [] {
            WNDCLASSW window_class{};
            window_class.lpfnWndProc = Procedure;
            window_class.hInstance = GetModuleHandleW(nullptr);
            window_class.lpszClassName = L"Halvorn.Test.Fake_Table";
            return RegisterClassW(&window_class);
        }();
        (void)registered;
        window_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"Halvorn.Test.Fake_Table", L"", WS_POPUP | WS_CLIPCHILDREN, 40, 40,
                                  200, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        caption_ = CreateWindowExW(0, L"Halvorn.Test.Fake_Table", L"", WS_CHILD, 40, 25, 50, 15, window_, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(caption_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        ShowWindow(window_, SW_SHOWNOACTIVATE);
        UpdateWindow(window_);
        Process_Messages();
    }
    ~Fake_Table() override { DestroyWindow(window_); }

    void Show_Table_Page() override { Calls += "page "; }
    void Show_Snapshot_Caption() override
    {
        Calls += "show ";
        ShowWindow(caption_, SW_SHOWNA);
    }
    void Hide_Snapshot_Caption() override
    {
        Calls += "hide ";
        ShowWindow(caption_, SW_HIDE);
    }
    HWND Client_Window() const override { return window_; }
    Snapshot_Measures Measures() const override { return Sizes; }

    void Set_Top_Colour(COLORREF colour)
    {
        top_colour_ = colour;
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    bool Caption_Showing() const { return IsWindowVisible(caption_) != FALSE; }

    std::string Calls;
    Snapshot_Measures Sizes{100, 4, 20, 60};

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l)
    {
        auto* self = reinterpret_cast<Fake_Table*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message != WM_PAINT || !self) return DefWindowProcW(window, message, w, l);
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        auto fill = [dc](RECT rect, COLORREF colour) {
            HBRUSH brush = CreateSolidBrush(colour);
            FillRect(dc, &rect, brush);
            DeleteObject(brush);
        };
        if (window == self->caption_) {
            fill(client, Green);
        } else {
            fill({0, 0, client.right, 60}, self->top_colour_);
            fill({0, 60, client.right, client.bottom}, Blue);
        }
        EndPaint(window, &paint);
        return 0;
    }

    HWND window_ = nullptr;
    HWND caption_ = nullptr;
    COLORREF top_colour_ = Red;
};

COLORREF Pixel(HBITMAP bitmap, int x, int y)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, previous);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return colour;
}

BITMAP Shape(HBITMAP bitmap)
{
    BITMAP shape{};
    GetObjectW(bitmap, sizeof shape, &shape);
    return shape;
}

int Display_Bits()
{
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    return bits;
}

Bitmap_Handle Load_Bmp(const std::wstring& path)
{
    return Bitmap_Handle(static_cast<HBITMAP>(
        LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
}

// A temporary executable directory, emptied and removed afterwards.
class Snapshot_File : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        Directory = std::wstring(temp) + L"halvorn-snapshot-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(GetTickCount64()) + L"\\";
        ASSERT_TRUE(CreateDirectoryW(Directory.c_str(), nullptr));
        Set_Executable_Path_Override(Directory + L"Halvorn.exe");
    }
    void TearDown() override
    {
        Set_Executable_Path_Override(L"");
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(Directory), ignored))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(std::filesystem::path(Directory), ignored);
    }
    std::vector<std::wstring> Files() const
    {
        std::vector<std::wstring> names;
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(Directory)))
            names.push_back(entry.path().filename().wstring());
        return names;
    }

    std::wstring Directory;
};

TEST_F(Snapshot_File, CaptureReadsTheWindowWithItsCaptionIntoAStretchedBitmap)
{
    Fake_Table table;
    const Bitmap_Handle bitmap = Capture_Table_Snapshot(table);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(table.Calls, "page show hide ");
    EXPECT_FALSE(table.Caption_Showing());

    // The bitmap is page-control wide and Exit top less page top tall, at the display's depth.
    const BITMAP shape = Shape(bitmap.Get());
    EXPECT_EQ(shape.bmWidth, 100);
    EXPECT_EQ(shape.bmHeight, 40);
    EXPECT_EQ(shape.bmBitsPixel * shape.bmPlanes, Display_Bits());

    // Rows 20 to 80 of the window are squeezed into 40: the colour change at 60 lands
    // near 27, and the caption (window 40..90 by 25..40) shows at 37..89 by 3..13.
    EXPECT_EQ(Pixel(bitmap.Get(), 10, 10), Red);
    EXPECT_EQ(Pixel(bitmap.Get(), 50, 24), Red);
    EXPECT_EQ(Pixel(bitmap.Get(), 50, 30), Blue);
    EXPECT_EQ(Pixel(bitmap.Get(), 95, 39), Blue);
    EXPECT_EQ(Pixel(bitmap.Get(), 60, 8), Green);
    EXPECT_EQ(Pixel(bitmap.Get(), 20, 8), Red);
}

TEST_F(Snapshot_File, ClipboardGetsTheBitmapQuietly)
{
    Box_Recorder recorder;
    Fake_Table table;
    Copy_Table_Snapshot_To_Clipboard(table, table.Client_Window());
    EXPECT_FALSE(table.Caption_Showing());
    EXPECT_TRUE(recorder.Boxes.empty());
    ASSERT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    ASSERT_TRUE(OpenClipboard(nullptr));
    const auto held = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    const BITMAP shape = Shape(held);
    const COLORREF corner = held ? Pixel(held, 10, 10) : 0;
    CloseClipboard();
    EXPECT_EQ(shape.bmWidth, 100);
    EXPECT_EQ(shape.bmHeight, 40);
    EXPECT_EQ(corner, Red);
}

TEST_F(Snapshot_File, WrittenFileHoldsTheBitmapsPixelsAtItsDepth)
{
    const std::wstring path = Directory + L"pixels.bmp";
    // Odd widths, so that rows need padding.
    HDC screen = GetDC(nullptr);
    Bitmap_Handle display(CreateCompatibleBitmap(screen, 5, 3));
    Bitmap_Handle mono(CreateBitmap(7, 2, 1, 1, nullptr));
    ReleaseDC(nullptr, screen);
    const COLORREF colours[] = {Red,          Green,           Blue,         Yellow,
                                RGB(1, 2, 3), RGB(250, 128, 7), RGB(0, 0, 0), RGB(255, 255, 255)};
    {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, display.Get());
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) SetPixel(dc, x, y, colours[(x + 2 * y) % 8]);
        SelectObject(dc, mono.Get());
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 7; ++x) SetPixel(dc, x, y, (x + y) % 3 ? RGB(255, 255, 255) : RGB(0, 0, 0));
        SelectObject(dc, previous);
        DeleteDC(dc);
    }

    const struct { HBITMAP Bitmap; int Width, Height, Bits; } cases[] = {
        {display.Get(), 5, 3, Display_Bits()},
        {mono.Get(), 7, 2, 1},
    };
    for (const auto& c : cases) {
        Write_Bmp_File(c.Bitmap, path);
        const Bitmap_Handle loaded = Load_Bmp(path);
        ASSERT_TRUE(loaded) << c.Bits;
        const BITMAP shape = Shape(loaded.Get());
        EXPECT_EQ(shape.bmWidth, c.Width);
        EXPECT_EQ(shape.bmHeight, c.Height);
        EXPECT_EQ(shape.bmBitsPixel, c.Bits);
        for (int y = 0; y < c.Height; ++y)
            for (int x = 0; x < c.Width; ++x)
                EXPECT_EQ(Pixel(loaded.Get(), x, y), Pixel(c.Bitmap, x, y)) << c.Bits << " bits at " << x << "," << y;
    }
    EXPECT_EQ(Pixel(display.Get(), 1, 2), RGB(250, 128, 7));
}

TEST_F(Snapshot_File, SavingTwiceLeavesOneFileWithTheSecondPicture)
{
    Box_Recorder recorder;
    Fake_Table table;
    // The file is named for the program, not for the executable.
    Set_Executable_Path_Override(Directory + L"Other Name.exe");
    Save_Table_Snapshot(table, table.Client_Window(), false);
    table.Set_Top_Colour(Yellow);
    Save_Table_Snapshot(table, table.Client_Window(), false);

    EXPECT_EQ(Files(), std::vector<std::wstring>{L"Halvorn.bmp"});
    const Bitmap_Handle loaded = Load_Bmp(Directory + L"Halvorn.bmp");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(Shape(loaded.Get()).bmWidth, 100);
    EXPECT_EQ(Shape(loaded.Get()).bmHeight, 40);
    EXPECT_EQ(Pixel(loaded.Get(), 10, 10), Yellow);
    EXPECT_EQ(Pixel(loaded.Get(), 50, 35), Blue);

    ASSERT_EQ(recorder.Boxes.size(), 2u);
    for (const Recorded_Box& box : recorder.Boxes) {
        EXPECT_EQ(box.Text, "Periodic Table image saved to the file : " + Narrow(Directory) + "Halvorn.bmp");
        EXPECT_EQ(box.Title, "Halvorn v2.0b");
        EXPECT_EQ(box.Flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    }
    EXPECT_EQ(table.Calls, "page show hide page show hide ");

    // Quiet, as for the wallpaper: written, not confirmed.
    table.Set_Top_Colour(Green);
    Save_Table_Snapshot(table, table.Client_Window(), true);
    EXPECT_EQ(recorder.Boxes.size(), 2u);
    EXPECT_EQ(Pixel(Load_Bmp(Directory + L"Halvorn.bmp").Get(), 10, 10), Green);
}

TEST_F(Snapshot_File, AFileThatCannotBeCreatedEndsTheCommandWithItsPath)
{
    Box_Recorder recorder;
    Fake_Table table;
    const std::wstring missing = Directory + L"gone\\";
    Set_Executable_Path_Override(missing + L"Halvorn.exe");
    try {
        Save_Table_Snapshot(table, table.Client_Window(), false);
        ADD_FAILURE() << "saved into a missing directory";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + Narrow(missing) + "Halvorn.bmp");
    }
    EXPECT_FALSE(table.Caption_Showing());
    EXPECT_TRUE(recorder.Boxes.empty());

    // Through the general error box, and nothing else lost: a file another program holds
    // stays as it was.
    Set_Executable_Path_Override(Directory + L"Halvorn.exe");
    const std::wstring path = Directory + L"Halvorn.bmp";
    {
        std::ofstream existing(std::filesystem::path(path), std::ios::binary);
        existing << "kept";
    }
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Run_Guarded(table.Client_Window(), [&] { Save_Table_Snapshot(table, table.Client_Window(), false); });
    CloseHandle(held);
    ASSERT_EQ(recorder.Boxes.size(), 1u);
    EXPECT_EQ(recorder.Boxes[0].Text, "Cannot create file " + Narrow(path) + ".");
    EXPECT_EQ(recorder.Boxes[0].Flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
    std::ifstream kept(std::filesystem::path(path), std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(content == "kept") << content.size() << " bytes in the file";
}

TEST_F(Snapshot_File, OnlyAnExistingFileBecomesTheWallpaper)
{
    std::vector<std::wstring> handed;
    const System_Wallpaper_Call record = [&handed](const std::wstring& path) { handed.push_back(path); };
    const std::wstring file = Directory + L"Halvorn.bmp";
    Set_Desktop_Wallpaper(file, record);
    Set_Desktop_Wallpaper(L"", record);
    Set_Desktop_Wallpaper(Directory, record);
    EXPECT_TRUE(handed.empty());
    std::ofstream(std::filesystem::path(file)) << "BM";
    Set_Desktop_Wallpaper(file, record);
    EXPECT_EQ(handed, std::vector<std::wstring>{file});
}

}  // namespace
}  // namespace halvorn::test
