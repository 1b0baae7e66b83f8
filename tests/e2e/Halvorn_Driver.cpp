// Drives the real Halvorn.exe from outside, as a user would: waits for windows, clicks
// with the mouse, closes the program; and times start-up against a reference program.
//
//   halvorn_driver wait-painted [seconds]      the table is on screen, coloured
//   halvorn_driver click-box NUMBER             presses an element box with the mouse
//   halvorn_driver wait-window TITLE [seconds]  a visible window with that title exists
//   halvorn_driver click-button CAPTION         presses a visible button with the mouse
//   halvorn_driver answer-message-box [seconds] prints a message box's text, presses its OK
//   halvorn_driver close [TITLE]                closes the main window as the title bar does
//   halvorn_driver startup-bench HALVORN REFERENCE RUNS
//   halvorn_driver resize-bench RUNS [TITLE]    times resizes of the running program
//   halvorn_driver resize-pair RUNS TITLE TITLE  times resizes of two running programs, alternating
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "table_view/Table_Layout.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr const wchar_t* Main_Title = L"Halvorn v2.0b";
constexpr int Design_Client_Width = 691, Design_Client_Height = 485;

std::wstring Widen(const char* text)
{
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(1252, 0, text, -1, nullptr, 0)), L'\0');
    MultiByteToWideChar(1252, 0, text, -1, wide.data(), static_cast<int>(wide.size()));
    wide.pop_back();
    return wide;
}

template <typename Condition>
bool Wait_For(double seconds, Condition condition)
{
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return condition();
}

HWND Visible_Window(const std::wstring& title)
{
    HWND window = FindWindowW(nullptr, title.c_str());
    return window && IsWindowVisible(window) ? window : nullptr;
}

struct Child_Search {
    std::wstring Class_Name, Text;
    HWND Found = nullptr;
};

BOOL CALLBACK Find_Child(HWND child, LPARAM data)
{
    auto* search = reinterpret_cast<Child_Search*>(data);
    wchar_t class_name[64], text[128];
    GetClassNameW(child, class_name, 64);
    GetWindowTextW(child, text, 128);
    if (IsWindowVisible(child) && search->Class_Name == class_name && search->Text == text) {
        search->Found = child;
        return FALSE;
    }
    return TRUE;
}

HWND Find_Visible_Child(HWND parent, const std::wstring& class_name, const std::wstring& text)
{
    Child_Search search{class_name, text};
    EnumChildWindows(parent, Find_Child, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// The screen point at the middle of element box n, wherever the window is and whatever
// its size: the boxes scale with the client area from the design layout.
POINT Box_Centre(HWND main, int number)
{
    HWND page = Find_Visible_Child(main, L"Halvorn.Host", L"Periodic Table");
    RECT client;
    GetClientRect(main, &client);
    const double width_ratio = static_cast<double>(client.right) / Design_Client_Width;
    const double height_ratio = static_cast<double>(client.bottom) / Design_Client_Height;
    const halvorn::Design_Point place = halvorn::Element_Box_Place(number);
    POINT centre{static_cast<int>((place.Left + halvorn::Box_Width / 2.0) * width_ratio),
                 static_cast<int>((place.Top + halvorn::Box_Height / 2.0) * height_ratio)};
    ClientToScreen(page, &centre);
    return centre;
}

bool Table_Painted(HWND main)
{
    if (!main || !Find_Visible_Child(main, L"Halvorn.Host", L"Periodic Table")) return false;
    // Lithium's box is red with the factory colours; read the screen, not the program.
    const POINT at = Box_Centre(main, 3);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x - 8, at.y + 2);
    ReleaseDC(nullptr, screen);
    return colour == RGB(255, 0, 0);
}

void Click_At(POINT at)
{
    const double x = at.x * 65535.0 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    const double y = at.y * 65535.0 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    INPUT inputs[3]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = static_cast<LONG>(x);
        input.mi.dy = static_cast<LONG>(y);
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, inputs, sizeof(INPUT));
}

struct Message_Box_Search {
    HWND Found = nullptr;
};

BOOL CALLBACK Find_Message_Box(HWND window, LPARAM data)
{
    wchar_t class_name[16];
    GetClassNameW(window, class_name, 16);
    if (IsWindowVisible(window) && std::wstring(class_name) == L"#32770") {
        reinterpret_cast<Message_Box_Search*>(data)->Found = window;
        return FALSE;
    }
    return TRUE;
}

int Fail(const char* what)
{
    std::fprintf(stderr, "halvorn_driver: %s\n", what);
    return 1;
}

struct Startup_Run {
    double Seconds;
    SIZE_T Peak_Bytes;
};

// Starts a program, waits until its window is painted, and closes it again.
bool Time_Startup(const std::wstring& exe, const std::wstring& title, bool halvorn, Startup_Run& run)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + exe + L"\"";
    const auto start = Clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    HWND window = nullptr;
    const bool painted = Wait_For(30, [&] {
        window = Visible_Window(title);
        if (!window) return false;
        if (halvorn) return Table_Painted(window);
        // Inside the reference's last static control, below its text.
        POINT at{650, 474};
        ClientToScreen(window, &at);
        HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, at.x, at.y);
        ReleaseDC(nullptr, screen);
        return colour == GetSysColor(COLOR_BTNFACE);
    });
    run.Seconds = std::chrono::duration<double>(Clock::now() - start).count();
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    run.Peak_Bytes = memory.PeakWorkingSetSize;
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 15000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return painted;
}

// One resize, sent to the program's thread, which re-lays out and repaints before
// SetWindowPos returns here.
double Time_Resize(HWND window, bool larger)
{
    const auto begin = Clock::now();
    SetWindowPos(window, nullptr, 0, 0, larger ? 1100 : 700, larger ? 780 : 500, SWP_NOMOVE | SWP_NOZORDER);
    return std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return Fail("no command");
    const std::string command = argv[1];
    const double seconds = argc > 3 ? std::atof(argv[3]) : 30;

    if (command == "wait-painted") {
        const double limit = argc > 2 ? std::atof(argv[2]) : 30;
        return Wait_For(limit, [] { return Table_Painted(Visible_Window(Main_Title)); }) ? 0 : Fail("table not painted");
    }
    if (command == "wait-window" && argc > 2) {
        const std::wstring title = Widen(argv[2]);
        return Wait_For(seconds, [&] { return Visible_Window(title) != nullptr; }) ? 0 : Fail("window not shown");
    }
    if (command == "answer-message-box") {
        const double limit = argc > 2 ? std::atof(argv[2]) : 30;
        Message_Box_Search search;
        if (!Wait_For(limit, [&] { return EnumWindows(Find_Message_Box, reinterpret_cast<LPARAM>(&search)), search.Found; }))
            return Fail("no message box");
        // The message text is the box's static control 0xFFFF.
        wchar_t text[1024] = L"";
        GetDlgItemTextW(search.Found, 0xFFFF, text, 1024);
        char narrow[2048] = "";
        WideCharToMultiByte(1252, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
        std::printf("%s\n", narrow);
        std::fflush(stdout);
        HWND ok = Find_Visible_Child(search.Found, L"Button", L"OK");
        if (!ok) return Fail("no OK button on the message box");
        SetForegroundWindow(search.Found);
        RECT rect;
        GetWindowRect(ok, &rect);
        Click_At({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
        return Wait_For(15, [&] { return !IsWindow(search.Found); }) ? 0 : Fail("the message box stayed open");
    }
    if (command == "click-box" && argc > 2) {
        HWND main = Visible_Window(Main_Title);
        if (!main) return Fail("no main window");
        SetForegroundWindow(main);
        Click_At(Box_Centre(main, std::atoi(argv[2])));
        return 0;
    }
    if (command == "click-button" && argc > 2) {
        HWND main = Visible_Window(Main_Title);
        HWND button = main ? Find_Visible_Child(main, L"Button", Widen(argv[2])) : nullptr;
        if (!button) return Fail("no such button");
        SetForegroundWindow(main);
        RECT rect;
        GetWindowRect(button, &rect);
        Click_At({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
        return 0;
    }
    if (command == "close") {
        HWND main = Visible_Window(argc > 2 ? Widen(argv[2]) : std::wstring(Main_Title));
        if (!main) return Fail("no main window");
        PostMessageW(main, WM_CLOSE, 0, 0);
        return Wait_For(15, [&] { return !IsWindow(main); }) ? 0 : Fail("main window still open");
    }
    if (command == "startup-bench" && argc > 4) {
        const std::wstring halvorn = Widen(argv[2]), reference = Widen(argv[3]);
        const int runs = std::max(1, std::atoi(argv[4]));
        std::vector<double> halvorn_times, reference_times, halvorn_peaks, reference_peaks;
        for (int i = 0; i < runs; ++i) {
            Startup_Run run{};
            if (!Time_Startup(reference, L"Reference", false, run)) return Fail("reference did not paint");
            reference_times.push_back(run.Seconds);
            reference_peaks.push_back(static_cast<double>(run.Peak_Bytes));
            if (!Time_Startup(halvorn, Main_Title, true, run)) return Fail("Halvorn did not paint");
            halvorn_times.push_back(run.Seconds);
            halvorn_peaks.push_back(static_cast<double>(run.Peak_Bytes));
        }
        const double h = Median(halvorn_times), r = Median(reference_times);
        const double hp = Median(halvorn_peaks), rp = Median(reference_peaks);
        std::printf("start-up to painted window, median of %d: Halvorn %.3f s, reference %.3f s, ratio %.2f\n",
                    runs, h, r, h / r);
        std::printf("peak working set, median: Halvorn %.1f MiB, reference %.1f MiB, ratio %.2f\n",
                    hp / 1048576, rp / 1048576, hp / rp);
        return 0;
    }
    if (command == "resize-bench" && argc > 2) {
        HWND main = Visible_Window(argc > 3 ? Widen(argv[3]) : std::wstring(Main_Title));
        if (!main) return Fail("no main window");
        const int runs = std::max(1, std::atoi(argv[2]));
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) times.push_back(Time_Resize(main, i % 2 == 0));
        std::printf("resize with repaint, median of %d: %.2f ms\n", runs, Median(times));
        return 0;
    }
    if (command == "resize-pair" && argc > 4) {
        HWND first = Visible_Window(Widen(argv[3])), second = Visible_Window(Widen(argv[4]));
        if (!first || !second) return Fail("a window to resize is missing");
        const int runs = std::max(1, std::atoi(argv[2]));
        std::vector<double> first_times, second_times;
        for (int i = 0; i < runs; ++i) {
            first_times.push_back(Time_Resize(first, i % 2 == 0));
            second_times.push_back(Time_Resize(second, i % 2 == 0));
        }
        const double a = Median(first_times), b = Median(second_times);
        std::printf("resize with repaint, median of %d alternated: %s %.2f ms, %s %.2f ms, ratio %.2f\n", runs,
                    argv[3], a, argv[4], b, a / b);
        return 0;
    }
    return Fail("unknown command");
}
