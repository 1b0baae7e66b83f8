// Times the real program against reference programs, started and resized from outside
// as a user would, and prints the medians.
//
//   halvorn_timing startup-bench HALVORN REFERENCE RUNS
//   halvorn_timing resize-bench RUNS [TITLE]    times resizes of the running program
//   halvorn_timing resize-to WIDTH HEIGHT        sets the running program's outer size
//   halvorn_timing graph-redraw RUNS             times the graph page's redraw after a change of
//                                                property, and a resize with that page showing
//   halvorn_timing view-recolour RUNS            times one step of the temperature slider in the
//                                                state view (recolour and repaint) at the design
//                                                size, and a resize of the same window
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "graphs/Graph_Page.h"
#include "table_view/Table_Views.h"
#include "resources/Command_Ids.h"
#include "tests/e2e/Driver_Support.h"

namespace {

using namespace halvorn::driver;
using halvorn::Widen;

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

// The main window's child control of that id, or null.
HWND Child_With_Id(HWND main, int id)
{
    struct Wanted {
        int Id;
        HWND Found;
    } wanted{id, nullptr};
    EnumChildWindows(
        main,
        [](HWND child, LPARAM l) {
            auto& w = *reinterpret_cast<Wanted*>(l);
            if (GetDlgCtrlID(child) != w.Id) return TRUE;
            w.Found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&wanted));
    return wanted.Found;
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
    if (command == "resize-to" && argc > 3) {
        HWND main = Visible_Window(Main_Title);
        if (!main) return Fail("no main window");
        SetWindowPos(main, nullptr, 0, 0, std::atoi(argv[2]), std::atoi(argv[3]), SWP_NOMOVE | SWP_NOZORDER);
        return 0;
    }
    if (command == "graph-redraw" && argc > 2) {
        HWND main = Visible_Window(Main_Title);
        if (!main) return Fail("no main window");
        const int runs = std::max(1, std::atoi(argv[2]));
        // The File menu's graph copy brings the graph page to the front.
        SendMessageW(main, WM_COMMAND, halvorn::Copy_Graph_To_Windows_Clipboard_Option, 0);
        // The arrow is the page's own control: its click goes to the page.
        HWND next = nullptr;
        EnumChildWindows(
            main,
            [](HWND child, LPARAM found) {
                if (GetDlgCtrlID(child) != halvorn::Next_Graph_SpeedButton) return TRUE;
                *reinterpret_cast<HWND*>(found) = child;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&next));
        if (!next) return Fail("no next graph button");
        std::vector<double> redraws, resizes;
        for (int i = 0; i < runs; ++i) {
            // The handler draws the next property and paints it before it returns.
            const auto begin = Clock::now();
            SendMessageW(GetParent(next), WM_COMMAND, MAKEWPARAM(halvorn::Next_Graph_SpeedButton, BN_CLICKED),
                         reinterpret_cast<LPARAM>(next));
            redraws.push_back(std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
            resizes.push_back(Time_Resize(main, i % 2 == 0));
        }
        std::printf("graph page, median of %d: redraw after a change %.2f ms, resize with repaint %.2f ms\n", runs,
                    Median(redraws), Median(resizes));
        return 0;
    }
    if (command == "view-recolour" && argc > 2) {
        HWND main = Visible_Window(Main_Title);
        if (!main) return Fail("no main window");
        const int runs = std::max(1, std::atoi(argv[2]));
        SendMessageW(main, WM_COMMAND, halvorn::Copy_Table_To_Windows_Clipboard_Option, 0);
        SendMessageW(main, WM_COMMAND, halvorn::Colour_By_State_Option, 0);
        HWND slider = Child_With_Id(main, halvorn::Temperature_TrackBar);
        if (!slider) return Fail("no temperature slider");
        // The design size: a client area of 691 x 485.
        RECT outer, client;
        GetWindowRect(main, &outer);
        GetClientRect(main, &client);
        const auto design = [&] {
            SetWindowPos(main, nullptr, 0, 0, 691 + (outer.right - outer.left) - client.right,
                         485 + (outer.bottom - outer.top) - client.bottom, SWP_NOMOVE | SWP_NOZORDER);
        };
        std::vector<double> recolours, resizes;
        for (int i = 0; i < runs; ++i) {
            design();
            // Between 250 K and 350 K the states of bromine, mercury, gallium and others change,
            // as a drag across room temperature changes them.
            const int kelvin = i % 2 == 0 ? 350 : 250;
            SendMessageW(slider, TBM_SETPOS, TRUE, kelvin);
            // What the resize left to paint is painted first, as it is before a drag.
            Sleep(50);
            const auto begin = Clock::now();
            SendMessageW(GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, kelvin),
                         reinterpret_cast<LPARAM>(slider));
            recolours.push_back(std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
            resizes.push_back(Time_Resize(main, i % 2 == 0));
        }
        design();
        SendMessageW(main, WM_COMMAND, halvorn::Colour_By_Group_Option, 0);
        std::printf("table view, median of %d: recolour with repaint at the design size %.2f ms, "
                    "resize with repaint %.2f ms\n",
                    runs, Median(recolours), Median(resizes));
        return 0;
    }
    return Fail("unknown command");
}
