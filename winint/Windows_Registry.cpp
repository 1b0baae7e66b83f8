#include "winint/Windows_Registry.h"

#include <windows.h>

#include "platform/Registry_Key.h"

namespace halvorn {

namespace {

Registry_Key Open(Registry_Root root, const std::wstring& key, Key_Access access, LSTATUS* status = nullptr)
{
    const HKEY base = root == Registry_Root::Local_Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    // Paths are written from the root, with a leading "\", which the platform does not take.
    const std::wstring path = !key.empty() && key.front() == L'\\' ? key.substr(1) : key;
    const REGSAM rights = access == Key_Access::Read ? KEY_QUERY_VALUE : KEY_QUERY_VALUE | KEY_SET_VALUE;
    return Registry_Key::Open(base, path, rights, status);
}

}  // namespace

Key_Status Windows_Registry::Open_Status(Registry_Root root, const std::wstring& key, Key_Access access)
{
    LSTATUS status = ERROR_SUCCESS;
    if (Open(root, key, access, &status)) return Key_Status::Opens;
    return status == ERROR_ACCESS_DENIED ? Key_Status::Refused : Key_Status::Missing;
}

void Windows_Registry::Write_String(Registry_Root root, const std::wstring& key, const std::wstring& name,
                                    const std::wstring& value)
{
    const Registry_Key opened = Open(root, key, Key_Access::Write);
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    if (!opened || RegSetValueExW(opened.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  bytes) != ERROR_SUCCESS)
        throw Failed_To_Set_Data(name);
}

std::wstring Windows_Registry::Read_String(Registry_Root root, const std::wstring& key, const std::wstring& name)
{
    const Registry_Key opened = Open(root, key, Key_Access::Read);
    if (!opened) return {};
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(opened.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ) throw Invalid_Data_Type(name);
    // Another program may change the value between the two calls.
    for (;;) {
        std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
        DWORD got = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LSTATUS status =
            RegQueryValueExW(opened.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &got);
        if (status == ERROR_MORE_DATA) {
            size = got;
            continue;
        }
        if (status != ERROR_SUCCESS) return {};
        if (type != REG_SZ && type != REG_EXPAND_SZ) throw Invalid_Data_Type(name);
        // The stored data need not end in a zero; the text ends at the first one.
        text.resize(got / sizeof(wchar_t));
        const auto end = text.find(L'\0');
        if (end != std::wstring::npos) text.resize(end);
        return text;
    }
}

bool Windows_Registry::Value_Exists(Registry_Root root, const std::wstring& key, const std::wstring& name)
{
    const Registry_Key opened = Open(root, key, Key_Access::Read);
    return opened && RegQueryValueExW(opened.Get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

void Windows_Registry::Delete_Value(Registry_Root root, const std::wstring& key, const std::wstring& name)
{
    if (const Registry_Key opened = Open(root, key, Key_Access::Write)) RegDeleteValueW(opened.Get(), name.c_str());
}

}  // namespace halvorn
