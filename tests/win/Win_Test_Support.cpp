#include "tests/win/Win_Test_Support.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/Seams.h"
#include "platform/Win_Text.h"

namespace halvorn::test {

namespace {

// The pixels of width by height at the top left of dc.
Client_Pixels Read_Pixels(HDC dc, int width, int height)
{
    Client_Pixels pixels{width, height, {}};
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC copy = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* bgr = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i)
        pixels.Colours.push_back(RGB(bgr[i] >> 16 & 0xFF, bgr[i] >> 8 & 0xFF, bgr[i] & 0xFF));
    SelectObject(copy, previous), DeleteObject(bitmap), DeleteDC(copy);
    return pixels;
}

// Brings window to the front when another program's window is there: what the keyboard
// does in a test needs the foreground.
void Take_Foreground(HWND window)
{
    const HWND front = GetForegroundWindow();
    if (IsWindowVisible(window) && (!front || GetWindowThreadProcessId(front, nullptr) != GetCurrentThreadId()))
        SetForegroundWindow(window);
}

Modal_Steps* running = nullptr;
HWND running_window = nullptr;
int ticks = 0;

}  // namespace

Client_Pixels Read_Client_Pixels(HWND window, bool whole)
{
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT area;
    if (whole) GetWindowRect(window, &area), OffsetRect(&area, -area.left, -area.top);
    else GetClientRect(window, &area);
    HDC dc = whole ? GetWindowDC(window) : GetDC(window);
    Client_Pixels pixels = Read_Pixels(dc, area.right, area.bottom);
    ReleaseDC(window, dc);
    return pixels;
}

Client_Pixels Read_Bitmap_Pixels(HBITMAP bitmap)
{
    BITMAP shape{};
    if (!bitmap || !GetObjectW(bitmap, sizeof shape, &shape)) return {};
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    Client_Pixels pixels = Read_Pixels(dc, shape.bmWidth, shape.bmHeight);
    SelectObject(dc, previous), DeleteDC(dc);
    return pixels;
}

Client_Pixels Clipboard_Bitmap()
{
    if (!OpenClipboard(nullptr)) return {};
    Client_Pixels pixels = Read_Bitmap_Pixels(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)));
    CloseClipboard();
    return pixels;
}

std::wstring Clipboard_Text(const wchar_t* put)
{
    if (!OpenClipboard(nullptr)) return L"(not opened)";
    if (put) {
        EmptyClipboard();
        const std::size_t size = (wcslen(put) + 1) * sizeof(wchar_t);
        const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, size);
        memcpy(GlobalLock(data), put, size);
        GlobalUnlock(data);
        SetClipboardData(CF_UNICODETEXT, data);
    }
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    std::wstring text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : L"";
    if (data) GlobalUnlock(data);
    CloseClipboard();
    return text;
}

std::string File_Bytes(const std::wstring& path)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::string With_Field(std::string text, std::size_t line, int column, const std::string& value)
{
    std::size_t at = 0;
    for (std::size_t n = 0; n < line; ++n) at = text.find('\n', at) + 1;
    for (int c = 1; c < column; ++c) at = text.find('\t', at) + 1;
    return text.replace(at, text.find('\t', at) - at, value);
}

void Notify(const Component& control, WORD code)
{
    SendMessageW(GetParent(control.Window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control.Window), code),
                 reinterpret_cast<LPARAM>(control.Window));
}

void Box_Log::Install()
{
    Set_Message_Box_Hook([this](HWND, const std::string& text, const std::string& title, UINT flags) {
        Boxes.push_back({text, title, flags});
        if (Answers.empty()) return IDOK;
        const int answer = Answers.front();
        Answers.erase(Answers.begin());
        return answer;
    });
}

void Box_Log::Remove() { Set_Message_Box_Hook(nullptr); }

Box_Recorder::Box_Recorder() : previous_title_(Application_Title())
{
    Set_Application_Title("Halvorn v2.0b");
    Install();
}

Box_Recorder::~Box_Recorder() { Remove(), Set_Application_Title(previous_title_); }

Other_Program_Window::Other_Program_Window()
{
    const HANDLE shown = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    thread_ = CreateThread(
        nullptr, 0,
        [](void* shown) -> DWORD {
            const HWND window = CreateWindowExW(0, L"STATIC", L"Another program", WS_POPUP | WS_VISIBLE, 600, 400,
                                                200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
            SetForegroundWindow(window);
            SetEvent(shown);
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
            DestroyWindow(window);
            return 0;
        },
        shown, 0, &thread_id_);
    WaitForSingleObject(shown, 5000);
    CloseHandle(shown);
    EXPECT_NE(GetWindowThreadProcessId(GetForegroundWindow(), nullptr), GetCurrentThreadId());
}

Other_Program_Window::~Other_Program_Window()
{
    PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, 5000), CloseHandle(thread_);
}

void Modal_Steps::Wait(int count) { Steps.insert(Steps.end(), static_cast<std::size_t>(count), [] {}); }

void Modal_Steps::Run_Modal(HWND window, HWND owner, const std::function<void()>& open)
{
    running = this;
    running_window = window;
    ticks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
        if (!running->Steps.empty()) {
            const auto step = std::move(running->Steps.front());
            running->Steps.erase(running->Steps.begin());
            Take_Foreground(running_window);
            step();
        } else if (++ticks == 200) {
            ADD_FAILURE() << "the window was still open after the last step";
            PostMessageW(running_window, WM_CLOSE, 0, 0);
        }
    });
    open();
    KillTimer(nullptr, timer);
    EXPECT_TRUE(Steps.empty()) << "the window closed before every step was taken";
    Steps.clear();
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowEnabled(owner));
}

void Set_Shift(bool down)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

void Press_Key(WPARAM key, bool shift)
{
    Set_Shift(shift);
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    Process_Messages();
    Set_Shift(false);
}

Component_Layout Layout_Of(Component_List& components)
{
    Component_Layout all;
    for (std::size_t i = 0; i < components.Count(); ++i) {
        const Component& c = components.At(i);
        all.push_back({c.Left, c.Top, c.Width, c.Height, c.Font.Points});
    }
    return all;
}

void Expect_Layout(Component_List& components, const Component_Layout& before)
{
    const Component_Layout after = Layout_Of(components);
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i], before[i]) << components.At(i).Name;
}

void Program_Test::SetUp()
{
    const std::wstring unique = std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64());
    directory_ = (std::filesystem::temp_directory_path() / (L"halvorn-test-" + unique)).wstring() + L"\\";
    CreateDirectoryW(directory_.c_str(), nullptr);
    Set_Executable_Path_Override(directory_ + L"Halvorn.exe");
    Install();
    Set_Colour_Dialog_Hook([](HWND, COLORREF&) -> bool {
        ADD_FAILURE() << "colour dialog opened unexpectedly";
        return false;
    });
    program_ = std::make_unique<Program_Windows>();
    program_->Create();
}

void Program_Test::TearDown()
{
    program_.reset();
    Process_Messages();
    // A closed main window leaves the quit for a message loop that the tests do not run.
    for (MSG quit; PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);) continue;
    SetFileAttributesW(Ini_Path().c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(Ini_Path().c_str());
    RemoveDirectoryW(directory_.c_str());
    Remove();
    Set_Colour_Dialog_Hook(nullptr);
    Set_Executable_Path_Override(L"");
}

void Program_Test::Start()
{
    Program().Show();
    Process_Messages();
    Take_Foreground(Main().Handle());
}

void Program_Test::Close()
{
    SendMessageW(Main().Handle(), WM_CLOSE, 0, 0);
    Process_Messages();
}

void Program_Test::Write_Ini(const std::string& content) const
{
    std::ofstream(std::filesystem::path(Ini_Path()), std::ios::binary) << content;
}

void Program_Test::Set_Client_Size(int width, int height)
{
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongW(Main().Handle(), GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongW(Main().Handle(), GWL_EXSTYLE)));
    SetWindowPos(Main().Handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(Main().Handle(), &client);
    ASSERT_EQ(client.right, width);
    ASSERT_EQ(client.bottom, height);
}

RECT Program_Test::Outer_Bounds() const
{
    RECT bounds{};
    GetWindowRect(program_->MainForm1.Handle(), &bounds);
    return bounds;
}

void Program_Test::Expect_Outer_Bounds(int left, int top, int width, int height) const
{
    const RECT bounds = Outer_Bounds();
    EXPECT_EQ((std::array<LONG, 4>{bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top}),
              (std::array<LONG, 4>{left, top, width, height}));
}

void Program_Test::Press(const Component& component, UINT message)
{
    const RECT rect = Component_List::Host_Rect(component);
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(Component_List::Host_Of(component), message, 0, at);
}

}  // namespace halvorn::test
