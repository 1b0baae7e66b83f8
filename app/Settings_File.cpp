#include "app/Settings_File.h"

#include "app/Ini_Text.h"
#include "platform/Seams.h"
#include "platform/Whole_File.h"
#include "platform/Win_Text.h"

namespace halvorn {

std::wstring Settings_File_Path() { return Executable_Directory() + Widen(Settings_File_Name); }

std::string Settings_Ini::Read_Value(std::string_view name) const
{
    // The whole value is read, however long: a number padded with zeros is still the number.
    std::wstring value(64, L'\0');
    for (;;) {
        const DWORD length = GetPrivateProfileStringW(Widen(Settings_Section).c_str(), Widen(name).c_str(), L"",
                                                      value.data(), static_cast<DWORD>(value.size()), path_.c_str());
        if (length + 1 < value.size()) {
            value.resize(length);
            break;
        }
        value.resize(value.size() * 4);
    }
    return Narrow(value);
}

std::int32_t Settings_Ini::Read(const Setting_Key& key) const { return Parse_Setting_Value(key, Read_Value(key.Name)); }

std::string Settings_Ini::Read(const Text_Setting_Key& key) const
{
    return Parse_Text_Setting(key, Read_Value(key.Name));
}

void Settings_Ini::Write(const Setting_Key& key, std::int32_t value)
{
    values_.emplace_back(key.Name, std::to_string(value));
}

void Settings_Ini::Write(const Text_Setting_Key& key, std::string value) { values_.emplace_back(key.Name, std::move(value)); }

void Settings_Ini::Save()
{
    // One write of the whole file, with whatever else it holds kept.
    const std::vector<std::uint8_t> old = Read_Whole_File(path_);
    const std::string_view old_text(reinterpret_cast<const char*>(old.data()), old.size());
    const std::string text = Set_Ini_Values(old_text, Settings_Section, values_);
    Write_Whole_File(path_, std::vector<std::uint8_t>(text.begin(), text.end()));
    values_.clear();
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
    for (const Text_Setting_Key& key : Text_Setting_Keys) settings.*key.Field = file.Read(key);
    return settings;
}

void Write_Settings_File(const std::wstring& path, const Program_Settings& settings)
{
    Settings_Ini file(path);
    for (const Setting_Key* key : Keys_In_Write_Order()) file.Write(*key, key->Get(settings));
    for (const Text_Setting_Key& key : Text_Setting_Keys) file.Write(key, settings.*key.Field);
    file.Save();
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
