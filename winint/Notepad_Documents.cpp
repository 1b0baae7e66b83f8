#include "winint/Notepad_Documents.h"

#include <windows.h>

#include <utility>

#include "platform/Seams.h"
#include "winint/Document_Texts.h"

namespace halvorn {

namespace {

Process_Start_Hook process_start_hook;
std::wstring windows_directory_override;

std::wstring Windows_Directory()
{
    if (!windows_directory_override.empty()) return windows_directory_override;
    std::wstring directory(MAX_PATH, L'\0');
    for (;;) {
        const UINT length = GetWindowsDirectoryW(directory.data(), static_cast<UINT>(directory.size()));
        if (length < directory.size()) {
            directory.resize(length);
            return directory;
        }
        directory.resize(length);
    }
}

bool File_Exists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void Show_Information(std::string_view text)
{
    Show_Message_Box(GetActiveWindow(), text, "Information", MB_OK | MB_ICONINFORMATION);
}

void Start_Process(const std::wstring& command_line)
{
    if (process_start_hook) {
        process_start_hook(command_line);
        return;
    }
    // With no application name, CreateProcessW takes the program from the command line's
    // first word and searches for it the way WinExec does, without WinExec's short
    // command buffer. The command line must be writable.
    std::wstring writable = command_line;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

}  // namespace

void View_In_Notepad(std::wstring_view path)
{
    // The file found here only decides whether the start is tried; the command names
    // Notepad without a directory and the system's search picks the one that runs.
    if (!File_Exists(Windows_Directory() + L"\\Notepad.EXE")) {
        Show_Information("Windows Notepad could not be found.");
        return;
    }
    if (path.empty()) {
        Show_Information("No Log File to View.");
        return;
    }
    Start_Process(Notepad_Command_Line(path));
}

void View_Readme_File() { View_In_Notepad(Readme_Path(Executable_Path())); }

void View_Shareware_Catalog(std::string_view title)
{
    const std::wstring catalog = Catalog_Path(Executable_Path());
    if (File_Exists(catalog)) View_In_Notepad(catalog);
    else Show_Information(Catalog_Missing_Text(title));
}

void Set_Process_Start_Hook(Process_Start_Hook hook) { process_start_hook = std::move(hook); }

void Set_Windows_Directory_Override(std::wstring directory) { windows_directory_override = std::move(directory); }

}  // namespace halvorn
