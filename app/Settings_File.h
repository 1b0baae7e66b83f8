// The settings file beside the executable, read and written through the Windows
// private-profile functions, and the file helpers of the factory reset.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "app/Ini_Text.h"
#include "app/Program_Settings.h"

namespace halvorn {

std::wstring Settings_File_Path();

// Open for one read pass or one write pass.
class Settings_Ini {
public:
    explicit Settings_Ini(std::wstring path) : path_(std::move(path)) {}
    Settings_Ini(const Settings_Ini&) = delete;
    Settings_Ini& operator=(const Settings_Ini&) = delete;

    // The key's value, or its default when missing, not an integer or out of its range.
    std::int32_t Read(const Setting_Key& key) const;
    std::string Read(const Text_Setting_Key& key) const;
    // Values are gathered and reach the file together, with Save.
    void Write(const Setting_Key& key, std::int32_t value);
    void Write(const Text_Setting_Key& key, std::string value);
    // Puts the file in place whole, keeping its other sections and keys; raises
    // File_Write_Error naming the file and the reason when it cannot, and the old file stays.
    void Save();

private:
    std::string Read_Value(std::string_view name) const;

    std::wstring path_;
    Ini_Values values_;
};

// One read pass: every key in its order, each missing or bad value at its default, taken
// from defaults.
Program_Settings Read_Settings_File(const std::wstring& path,
                                    const Program_Settings& defaults = Program_Settings::Defaults());
// One write pass: every key in the close's order, in one write of the whole file.
void Write_Settings_File(const std::wstring& path, const Program_Settings& settings);

// "CLOSED", "OPEN", "NOT FOUND", "ERROR" or "" for a file name.
std::string Probe_File_Status(const std::wstring& file_name);
bool Set_File_Attributes(const std::wstring& file_name, bool read_only, bool hidden, bool system, bool archive);
// Deletes a file that no other program holds open; true when it is gone afterwards.
bool Delete_Closed_File(const std::wstring& file_name);

}  // namespace halvorn
