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

void Show_Error(User_Messages& messages, const std::wstring& text)
{
    messages.Show(text, Message_Icon::Error, Message_Buttons::Ok);
}

}  // namespace

bool Write_Registry_String(Registry& registry, User_Messages& messages, Registry_Root root, const std::wstring& key,
                           const std::wstring& item, const std::wstring& value)
{
    if (!registry.Key_Exists(root, key)) {
        Show_Error(messages, Lines({L"Error: The specified Registry Key for this operation ",
                                    L"does NOT exist on your PC.  ",
                                    L"",
                                    L" Error Key   = " + key,
                                    L" Error Item  = " + item,
                                    L" Error Value = " + value,
                                    L"",
                                    L"Please contact the program's author."}));
        return false;
    }
    registry.Write_String(root, key, item, value);
    if (registry.Read_String(root, key, item) != value) {
        Show_Error(messages, Lines({L"Error: The required settings could not be created ",
                                    L"or saved in the Windows Registry.  ",
                                    L"",
                                    L" Error Key   = " + key,
                                    L" Error Item  = " + item,
                                    L" Error Value = " + value,
                                    L"",
                                    L"Please contact the program's author."}));
        return false;
    }
    return true;
}

std::wstring Read_Registry_String(Registry& registry, Registry_Root root, const std::wstring& key,
                                  const std::wstring& item)
{
    if (!registry.Key_Exists(root, key)) return {};
    return registry.Read_String(root, key, item);
}

bool Delete_Registry_Value(Registry& registry, User_Messages& messages, Registry_Root root, const std::wstring& key,
                           const std::wstring& item)
{
    if (!registry.Key_Exists(root, key)) {
        Show_Error(messages, Lines({L"Error: The specified Registry Key for this operation ",
                                    L"does NOT exist on your PC.  ",
                                    L"",
                                    L" Error Key   = " + key,
                                    L" Error Item  = " + item,
                                    L"",
                                    L"Please contact the program's author."}));
        return false;
    }
    registry.Delete_Value(root, key, item);
    if (registry.Value_Exists(root, key, item)) {
        Show_Error(messages, Lines({L"Error: The required Registry Key settings ",
                                    L"could not be removed from the Windows Registry.  ",
                                    L"",
                                    L" Error Key   = " + key,
                                    L" Error Item  = " + item,
                                    L"",
                                    L"Please contact the program's author."}));
        return false;
    }
    return true;
}

}  // namespace halvorn
