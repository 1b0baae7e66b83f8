// The few places where the program meets the user or the file system in ways that tests
// must be able to answer for: message boxes, the colour dialog and the executable path.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace halvorn {

// Every message box of the program goes through here. Returns the button pressed (IDOK,
// IDYES, ...).
int Show_Message_Box(HWND owner, std::string_view text, std::string_view title, UINT flags);
// The same for texts that carry paths, which need not fit the program's code page; the
// hook sees them in that code page.
int Show_Message_Box(HWND owner, std::wstring_view text, std::wstring_view title, UINT flags);

using Message_Box_Hook = std::function<int(HWND owner, const std::string& text,
                                           const std::string& title, UINT flags)>;
// Tests answer message boxes instead of the user; an empty hook restores the real box.
void Set_Message_Box_Hook(Message_Box_Hook hook);

// The standard colour dialog, opened with colour selected; true and the chosen colour on
// OK, false on Cancel.
bool Run_Colour_Dialog(HWND owner, COLORREF& colour);

using Colour_Dialog_Hook = std::function<bool(HWND owner, COLORREF& colour)>;
void Set_Colour_Dialog_Hook(Colour_Dialog_Hook hook);

// The standard save dialog. Filters are pairs of a description and a pattern
// ({L"CSV file (*.csv)", L"*.csv"}); the choice comes in with the name to offer and the
// filter to start with (from 1) and goes out with the path and the filter chosen. False
// when the user cancels.
struct Save_Choice {
    std::wstring Path;
    int Filter = 1;
};
struct Save_Filter {
    std::wstring Description, Pattern;
};
bool Run_Save_Dialog(HWND owner, std::wstring_view title, const std::vector<Save_Filter>& filters,
                     std::wstring_view default_extension, Save_Choice& choice);

using Save_Dialog_Hook = std::function<bool(HWND owner, const std::vector<Save_Filter>& filters, Save_Choice& choice)>;
void Set_Save_Dialog_Hook(Save_Dialog_Hook hook);

// The running executable's full path; tests point it at a temporary directory.
std::wstring Executable_Path();
void Set_Executable_Path_Override(std::wstring path);

// The executable's path up to and including its last "\" or ":".
std::wstring Executable_Directory();

// The title shown on message boxes that report errors; set with the program title.
void Set_Application_Title(std::string_view title);
const std::string& Application_Title();

// Runs a command; an exception that escapes it is shown in the general error box and goes
// no further (never into Windows).
void Run_Guarded(HWND owner, const std::function<void()>& command) noexcept;

// Hands one message on as every loop of the program does: the keys that move between
// and press controls (Tab, Shift+Tab, Enter, Space) go to the dialog handling of the
// message's top-level window, everything else to its window procedure.
void Dispatch_Program_Message(MSG& message);

// Paints now whatever of window and its children waits to be painted, without running the
// message loop: what a command changed is on screen before its next step, and no queued
// click can start another command in between.
void Paint_Now(HWND window);

// Handles every window message already waiting, as the program's loop would. For tests,
// which drive windows without that loop; commands never pump (see Paint_Now).
void Process_Messages();

}  // namespace halvorn
