// The documents that ship beside the program, shown in Windows Notepad.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace halvorn {

// Starts Notepad on path, or says why it cannot: Notepad missing from the Windows
// directory, or no path. Notepad is not waited for and a failed start is not reported.
void View_In_Notepad(std::wstring_view path);
void View_Readme_File();
// Opens the catalogue, or explains where it belongs; title is the program's title.
void View_Shareware_Catalog(std::string_view title);

// Tests record the command lines instead of starting programs; an empty hook restores
// the real start.
using Process_Start_Hook = std::function<void(const std::wstring& command_line)>;
void Set_Process_Start_Hook(Process_Start_Hook hook);
// Tests point the Windows directory elsewhere; an empty path restores the real one.
void Set_Windows_Directory_Override(std::wstring directory);

}  // namespace halvorn
