#include "winint/Registry_Routines.h"

#include <initializer_list>

namespace halvorn {

namespace {

constexpr std::wstring_view Line_Break = L"\r\n";

std::wstring Lines(std::initializer_list<std::wstring> lines)
{
    std::wstring text;
    bool first = true;
    for (const std::wstring& line : lines) {
        if (!first) text += Line_Break;
        first = false;
        text += line;
    }
    return text;
}

// An error box: its two heading lines, then the key, the item and (where there is one)
// the value it was about, and the closing request.
void Show_Error(User_Messages& messages, const std::wstring& first, const std::wstring& second,
                const std::wstring& key, const std::wstring& item, const std::wstring* value = nullptr)
{
    std::wstring text = Lines({first, second, L"", L" Error Key   = " + key, L" Error Item  = " + item});
    if (value) text += std::wstring(Line_Break) + L" Error Value = " + *value;
    text += Lines({L"", L"", L"Please contact the program's author."});
    messages.Show(text, Message_Icon::Error, Message_Buttons::Ok);
}

constexpr const wchar_t* Missing_Key_1 = L"Error: The specified Registry Key for this operation ";
constexpr const wchar_t* Missing_Key_2 = L"does NOT exist on your PC.  ";

// Whether the key can be written; when not, the box says why: it is missing, or this user
// may read it but not change it.
bool Key_Writable(Registry& registry, User_Messages& messages, Registry_Root root, const std::wstring& key,
                  const std::wstring& item, const std::wstring* value)
{
    switch (registry.Open_Status(root, key, Key_Access::Write)) {
    case Key_Status::Opens:
        return true;
    case Key_Status::Missing:
        Show_Error(messages, Missing_Key_1, Missing_Key_2, key, item, value);
        return false;
    case Key_Status::Refused:
        Show_Error(messages, L"Error: Administrator rights are needed to change this Registry Key, ",
                   L"and this program is not running with them.  ", key, item, value);
        return false;
    }
    return false;
}

}  // namespace

bool Write_Registry_String(Registry& registry, User_Messages& messages, Registry_Root root, const std::wstring& key,
                           const std::wstring& item, const std::wstring& value)
{
    if (!Key_Writable(registry, messages, root, key, item, &value)) return false;
    registry.Write_String(root, key, item, value);
    if (registry.Read_String(root, key, item) != value) {
        Show_Error(messages, L"Error: The required settings could not be created ",
                   L"or saved in the Windows Registry.  ", key, item, &value);
        return false;
    }
    return true;
}

std::wstring Read_Registry_String(Registry& registry, Registry_Root root, const std::wstring& key,
                                  const std::wstring& item)
{
    if (registry.Open_Status(root, key, Key_Access::Read) != Key_Status::Opens) return {};
    return registry.Read_String(root, key, item);
}

bool Delete_Registry_Value(Registry& registry, User_Messages& messages, Registry_Root root, const std::wstring& key,
                           const std::wstring& item)
{
    if (!Key_Writable(registry, messages, root, key, item, nullptr)) return false;
    registry.Delete_Value(root, key, item);
    if (registry.Value_Exists(root, key, item)) {
        Show_Error(messages, L"Error: The required Registry Key settings ",
                   L"could not be removed from the Windows Registry.  ", key, item);
        return false;
    }
    return true;
}

}  // namespace halvorn
