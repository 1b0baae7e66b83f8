// The documents that ship beside the program, shown in Windows Notepad.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace halvorn {

// Starts the system's own Notepad on path, or says why it cannot: no Notepad in the system
// or the Windows directory, no path, or a start that failed. Notepad is not waited for.
void View_In_Notepad(std::wstring_view path);
void View_Readme_File();
// Opens the catalogue, or explains where it belongs; title is the program's title.
void View_Shareware_Catalog(std::string_view title);

// Tests record the programs and command lines instead of starting them; an empty hook
// restores the real start.
using Process_Start_Hook = std::function<void(const std::wstring& program, const std::wstring& command_line)>;
void Set_Process_Start_Hook(Process_Start_Hook hook);
// Tests stand a folder of their own for both the system and the Windows directory; an
// empty path restores the real ones.
void Set_System_Folders_Override(std::wstring folder);

}  // namespace halvorn
