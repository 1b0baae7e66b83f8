// Drives the real Halvorn.exe from outside, as a user would: waits for windows, clicks
// with the mouse, answers message boxes, closes the program.
//
//   halvorn_driver wait-painted [seconds]      the table is on screen, coloured
//   halvorn_driver click-box NUMBER             presses an element box with the mouse
//   halvorn_driver wait-window TITLE [seconds]  a visible window with that title exists
//   halvorn_driver click-button CAPTION         presses a visible button with the mouse
//   halvorn_driver answer-message-box [seconds] prints a message box's text, presses its OK
//   halvorn_driver command ID                   posts a menu command to the main window
//   halvorn_driver close [TITLE]                closes the main window (or the window of that title) as the title bar does
#include <windows.h>

#include <cstdlib>
#include <string>

#include "tests/e2e/Driver_Support.h"

namespace {

using namespace halvorn::driver;
using halvorn::Widen;

void Click_At(POINT at)
{
    const double x = at.x * 65535.0 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    const double y = at.y * 65535.0 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    INPUT inputs[3]{};
    const DWORD steps[3] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    for (int i = 0; i < 3; ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi = {static_cast<LONG>(x), static_cast<LONG>(y), 0, steps[i] | MOUSEEVENTF_ABSOLUTE, 0, 0};
    }
    SendInput(3, inputs, sizeof(INPUT));
}

void Click_Centre(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    Click_At({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

HWND Visible_Message_Box()
{
    for (HWND box = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); box;
         box = FindWindowExW(nullptr, box, L"#32770", nullptr))
        if (IsWindowVisible(box)) return box;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return Fail("no command");
    const std::string command = argv[1];
    // The time to wait, given in argument `at` or not.
    const auto seconds = [&](int at) { return argc > at ? std::atof(argv[at]) : 30.0; };

    if (command == "wait-painted") {
        return Wait_For(seconds(2), [] { return Table_Painted(Visible_Window(Main_Title)); }) ? 0 : Fail("table not painted");
    }
    if (command == "wait-window" && argc > 2) {
        const std::wstring title = Widen(argv[2]);
        return Wait_For(seconds(3), [&] { return Visible_Window(title) != nullptr; }) ? 0 : Fail("window not shown");
    }
    if (command == "answer-message-box") {
        HWND box = nullptr;
        if (!Wait_For(seconds(2), [&] { return (box = Visible_Message_Box()) != nullptr; })) return Fail("no message box");
        // The message text is the box's static control 0xFFFF.
        wchar_t text[1024] = L"";
        GetDlgItemTextW(box, 0xFFFF, text, 1024);
        char narrow[2048] = "";
        WideCharToMultiByte(1252, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
        std::printf("%s\n", narrow);
        std::fflush(stdout);
        HWND ok = Find_Visible_Child(box, L"Button", L"OK");
        if (!ok) return Fail("no OK button on the message box");
        // On a busy machine a box may still be settling into place when the first click
        // lands: the click is made again while it stays open.
        for (int attempt = 0; attempt < 3; ++attempt) {
            SetForegroundWindow(box);
            Click_Centre(ok);
            if (Wait_For(5, [&] { return !IsWindow(box); })) return 0;
        }
        return Fail("the message box stayed open");
    }
    if ((command == "click-box" || command == "click-button") && argc > 2) {
        const HWND main = Visible_Window(Main_Title);
        if (!main) return Fail("no main window");
        SetForegroundWindow(main);
        if (command == "click-box") Click_At(Box_Point(main, std::atoi(argv[2])));
        else if (const HWND button = Find_Visible_Child(main, L"Button", Widen(argv[2]))) Click_Centre(button);
        else return Fail("no such button");
        return 0;
    }
    if (command == "command" && argc > 2) {
        HWND main = Visible_Window(Main_Title);
        if (!main) return Fail("no main window");
        PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[2])), 0);
        return 0;
    }
    if (command == "close") {
        HWND main = Visible_Window(argc > 2 ? Widen(argv[2]) : std::wstring(Main_Title));
        if (!main) return Fail("no main window");
        PostMessageW(main, WM_CLOSE, 0, 0);
        return Wait_For(15, [&] { return !IsWindow(main); }) ? 0 : Fail("main window still open");
    }
    return Fail("unknown command");
}
