#include "winint/Auto_Run.h"

#include "winint/Registry_Routines.h"

namespace halvorn {

namespace {

const std::wstring Run_Key_Path(Run_Key);

// Only the letters a to z change: that is how paths were compared when the value was made.
std::wstring Ascii_Upper_Case(std::wstring_view text)
{
    std::wstring upper(text);
    for (wchar_t& c : upper)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return upper;
}

// A value the system could take for a program and its arguments goes in quotes: a path
// with a blank, written bare, is the known way to start a planted "C:\My.exe".
std::wstring Run_Value(std::wstring_view executable_path)
{
    const std::wstring path(executable_path);
    return path.find(L' ') == std::wstring::npos ? path : L"\"" + path + L"\"";
}

// The path a run value names, with or without its quotes.
std::wstring_view Unquoted(std::wstring_view value)
{
    if (value.size() >= 2 && value.front() == L'"' && value.back() == L'"') return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

std::wstring Executable_File_Name(std::wstring_view executable_path)
{
    const auto end = executable_path.find_last_of(L"\\:");
    return std::wstring(end == std::wstring_view::npos ? executable_path : executable_path.substr(end + 1));
}

bool Enable_Auto_Run(Registry& registry, User_Messages& messages, std::wstring_view executable_path)
{
    const std::wstring name = Executable_File_Name(executable_path);
    if (!Write_Registry_String(registry, messages, Registry_Root::Local_Machine, Run_Key_Path, name,
                               Run_Value(executable_path)))
        return false;
    messages.Show(L"This program (" + name + L") will now run automatically at Windows Start-Up.",
                  Message_Icon::Information, Message_Buttons::Ok);
    return true;
}

bool Disable_Auto_Run(Registry& registry, User_Messages& messages, std::wstring_view executable_path)
{
    const std::wstring name = Executable_File_Name(executable_path);
    if (!Delete_Registry_Value(registry, messages, Registry_Root::Local_Machine, Run_Key_Path, name)) return false;
    messages.Show(L"This program (" + name + L") will now no-longer run automatically at Windows Start-Up.",
                  Message_Icon::Information, Message_Buttons::Ok);
    return true;
}

bool Verify_Auto_Run(Registry& registry, User_Messages& messages, std::wstring_view executable_path)
{
    const std::wstring name = Executable_File_Name(executable_path);
    const std::wstring registered = Read_Registry_String(registry, Registry_Root::Local_Machine, Run_Key_Path, name);
    if (registered.empty()) return false;
    if (Ascii_Upper_Case(Unquoted(registered)) != Ascii_Upper_Case(executable_path)) {
        const std::wstring question =
            L"The directory / path settings required to make this program (" + name + L")\r\n" +
            L"run automatically at Windows Start-up do not match where the program \r\n" +
            L"is currently being run from.\r\n" +
            L"\r\n" +
            messages.Fit_Line(L" Old      = " + registered) + L"\r\n" +
            messages.Fit_Line(L" Current = " + std::wstring(executable_path)) + L"\r\n" +
            L"\r\n" +
            L"Do you want to update the Windows Registry to " + L"reflect the programs current locaton ?";
        if (messages.Show(question, Message_Icon::Warning, Message_Buttons::Yes_No) == Message_Answer::Yes)
            Enable_Auto_Run(registry, messages, executable_path);
    }
    return true;
}

}  // namespace halvorn
