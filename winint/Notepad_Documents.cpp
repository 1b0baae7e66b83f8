#include "winint/Notepad_Documents.h"

#include <windows.h>

#include <utility>

#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "winint/Document_Texts.h"

namespace halvorn {

namespace {

Process_Start_Hook process_start_hook;
std::wstring folders_override;

using Folder_Call = UINT(WINAPI*)(LPWSTR, UINT);

std::wstring Folder(Folder_Call call)
{
    std::wstring folder(MAX_PATH, L'\0');
    for (;;) {
        const UINT length = call(folder.data(), static_cast<UINT>(folder.size()));
        if (length < folder.size()) {
            folder.resize(length);
            return folder;
        }
        folder.resize(length);
    }
}

bool File_Exists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The system's own Notepad, looked for where WinExec looks after the program's folder and
// the current one, which anybody may have put a Notepad.exe into: the system directory,
// then the Windows directory. Empty when neither has it.
std::wstring System_Notepad()
{
    const std::wstring places[] = {
        (folders_override.empty() ? Folder(GetSystemDirectoryW) : folders_override) + L"\\notepad.exe",
        (folders_override.empty() ? Folder(GetWindowsDirectoryW) : folders_override) + L"\\Notepad.EXE"};
    for (const std::wstring& place : places)
        if (File_Exists(place)) return place;
    return {};
}

void Show_Information(std::string_view text)
{
    Show_Message_Box(GetActiveWindow(), text, "Information", MB_OK | MB_ICONINFORMATION);
}

void Start_Process(const std::wstring& program, const std::wstring& command_line)
{
    if (process_start_hook) {
        process_start_hook(program, command_line);
        return;
    }
    std::wstring writable = command_line;  // CreateProcessW may write to it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        const DWORD error = GetLastError();
        Show_Message_Box(GetActiveWindow(),
                         L"Windows Notepad (" + program + L") could not be started: " + System_Error_Text(error),
                         Widen(Application_Title()), MB_OK | MB_ICONERROR);
        return;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace

void View_In_Notepad(std::wstring_view path)
{
    const std::wstring notepad = System_Notepad();
    if (notepad.empty()) {
        Show_Information("Windows Notepad could not be found.");
        return;
    }
    if (path.empty()) {
        Show_Information("No Log File to View.");
        return;
    }
    // The command line is the one Notepad has always been given; the program started is
    // named by its full path.
    Start_Process(notepad, Notepad_Command_Line(path));
}

void View_Readme_File() { View_In_Notepad(Readme_Path(Executable_Path())); }

void View_Shareware_Catalog(std::string_view title)
{
    const std::wstring catalog = Catalog_Path(Executable_Path());
    if (File_Exists(catalog)) View_In_Notepad(catalog);
    else Show_Information(Catalog_Missing_Text(title));
}

void Set_Process_Start_Hook(Process_Start_Hook hook) { process_start_hook = std::move(hook); }

void Set_System_Folders_Override(std::wstring folder) { folders_override = std::move(folder); }

}  // namespace halvorn
