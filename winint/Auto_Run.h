// Starting the program with Windows: one string value in the machine-wide run key, named
// after the executable's file name and holding its full path, in quotes when it has a blank.
#pragma once

#include <string>
#include <string_view>

#include "winint/Registry_Access.h"
#include "winint/User_Messages.h"

namespace halvorn {

inline constexpr std::wstring_view Run_Key = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The path after its last "\" or ":".
std::wstring Executable_File_Name(std::wstring_view executable_path);

// Writes the run value and confirms it; false when the registry routine reported a fault.
bool Enable_Auto_Run(Registry& registry, User_Messages& messages, std::wstring_view executable_path);
// Removes the run value and confirms it; false when the registry routine reported a fault.
bool Disable_Auto_Run(Registry& registry, User_Messages& messages, std::wstring_view executable_path);
// Whether a run value exists for this executable's file name. When it points at another
// path, the user is asked whether to point it here. A value that is no string raises
// Invalid_Data_Type.
bool Verify_Auto_Run(Registry& registry, User_Messages& messages, std::wstring_view executable_path);

}  // namespace halvorn
