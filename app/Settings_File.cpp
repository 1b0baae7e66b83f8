#include "app/Settings_File.h"

#include "platform/Seams.h"
#include "platform/Win_Text.h"

namespace halvorn {

std::wstring Settings_File_Path() { return Executable_Directory() + Widen(Settings_File_Name); }

Settings_Ini::~Settings_Ini()
{
    // Writes may be cached; make sure they reach the file before the pass ends.
    if (written_) WritePrivateProfileStringW(nullptr, nullptr, nullptr, path_.c_str());
}

std::int32_t Settings_Ini::Read(const Setting_Key& key) const
{
    wchar_t value[64] = L"";
    GetPrivateProfileStringW(Widen(Settings_Section).c_str(), Widen(key.Name).c_str(), L"", value,
                             static_cast<DWORD>(std::size(value)), path_.c_str());
    return Parse_Setting_Value(key, Narrow(value));
}

void Settings_Ini::Write(const Setting_Key& key, std::int32_t value)
{
    written_ = true;
    WritePrivateProfileStringW(Widen(Settings_Section).c_str(), Widen(key.Name).c_str(),
                               std::to_wstring(value).c_str(), path_.c_str());
}

Program_Settings Read_Settings_File(const std::wstring& path, const Program_Settings& defaults)
{
    const Settings_Ini file(path);
    Program_Settings settings;
    for (const Setting_Key& key : Setting_Keys) {
        Setting_Key with_default = key;
        with_default.Default = key.Get(defaults);
        key.Set(settings, file.Read(with_default));
    }
    return settings;
}

void Write_Settings_File(const std::wstring& path, const Program_Settings& settings)
{
    Settings_Ini file(path);
    for (const Setting_Key* key : Keys_In_Write_Order()) file.Write(*key, key->Get(settings));
}

std::string Probe_File_Status(const std::wstring& file_name)
{
    if (file_name.empty()) return "";
    if (file_name.size() >= 128) return "CLOSED";
    if (GetFileAttributesW(file_name.c_str()) == INVALID_FILE_ATTRIBUTES) return "";

    const UINT previous_mode = SetErrorMode(SEM_FAILCRITICALERRORS);
    HANDLE file = CreateFileW(file_name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    const DWORD error = GetLastError();
    SetErrorMode(previous_mode);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return "CLOSED";
    }
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_NOT_READY:
    case ERROR_NOT_DOS_DISK:
    case ERROR_SECTOR_NOT_FOUND:
        return "NOT FOUND";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "OPEN";
    default:
        return "ERROR";
    }
}

bool Set_File_Attributes(const std::wstring& file_name, bool read_only, bool hidden, bool system, bool archive)
{
    if (GetFileAttributesW(file_name.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    const DWORD wanted = (read_only ? FILE_ATTRIBUTE_READONLY : 0) | (hidden ? FILE_ATTRIBUTE_HIDDEN : 0) |
                         (system ? FILE_ATTRIBUTE_SYSTEM : 0) | (archive ? FILE_ATTRIBUTE_ARCHIVE : 0);
    SetFileAttributesW(file_name.c_str(), wanted == 0 ? FILE_ATTRIBUTE_NORMAL : wanted);
    const DWORD now = GetFileAttributesW(file_name.c_str());
    const DWORD flags = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    return now != INVALID_FILE_ATTRIBUTES && (now & flags) == wanted;
}

bool Delete_Closed_File(const std::wstring& file_name)
{
    Probe_File_Status(file_name);
    const bool existed = GetFileAttributesW(file_name.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!existed) return false;
    Set_File_Attributes(file_name, false, false, false, false);
    if (Probe_File_Status(file_name) == "CLOSED") DeleteFileW(file_name.c_str());
    return GetFileAttributesW(file_name.c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace halvorn
