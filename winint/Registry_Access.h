// The registry as the program uses it: string values in existing keys below two roots.
// Key paths start with "\" and are taken from the root; all texts are UTF-16.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace halvorn {

enum class Registry_Root { Current_User, Local_Machine };

// Raised when the platform refuses a registry operation outright. what() holds the text
// in Windows-1252 for the general error box; Text() holds it as it was made.
class Registry_Error : public std::runtime_error {
public:
    explicit Registry_Error(std::wstring text);
    const std::wstring& Text() const { return text_; }

private:
    std::wstring text_;
};

// "Failed to set data for '<name>'"
Registry_Error Failed_To_Set_Data(std::wstring_view value_name);
// "Invalid data type for '<name>'"
Registry_Error Invalid_Data_Type(std::wstring_view value_name);

// UTF-16 to Windows-1252; what has no place there becomes "?".
std::string To_Windows_1252(std::wstring_view text);

// Reading asks only to query values; writing also to set and delete them.
enum class Key_Access { Read, Write };
enum class Key_Status { Opens, Missing, Refused };

class Registry {
public:
    virtual ~Registry() = default;

    // Whether the key opens with the rights the access needs, is not there, or is there
    // but withheld from this user (a standard user's machine-wide keys).
    virtual Key_Status Open_Status(Registry_Root root, const std::wstring& key, Key_Access access) = 0;
    bool Key_Exists(Registry_Root root, const std::wstring& key)
    {
        return Open_Status(root, key, Key_Access::Read) == Key_Status::Opens;
    }
    // Stores a string value in an existing key; Failed_To_Set_Data when refused.
    virtual void Write_String(Registry_Root root, const std::wstring& key, const std::wstring& name,
                              const std::wstring& value) = 0;
    // The string value; empty when the key or the value is absent, Invalid_Data_Type
    // when the value is not a string.
    virtual std::wstring Read_String(Registry_Root root, const std::wstring& key, const std::wstring& name) = 0;
    virtual bool Value_Exists(Registry_Root root, const std::wstring& key, const std::wstring& name) = 0;
    // Whether the deletion worked is for the caller to find out.
    virtual void Delete_Value(Registry_Root root, const std::wstring& key, const std::wstring& name) = 0;
};

}  // namespace halvorn
