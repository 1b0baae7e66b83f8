#include "winint/Memory_Registry.h"

namespace halvorn {

std::wstring Memory_Registry::Fold(const std::wstring& text)
{
    std::wstring folded = text;
    for (wchar_t& c : folded)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return folded;
}

Memory_Registry::Key_Id Memory_Registry::Id(Registry_Root root, const std::wstring& key)
{
    std::wstring path = Fold(key);
    if (!path.empty() && path.front() == L'\\') path.erase(0, 1);
    return {root, path};
}

Memory_Registry::Values* Memory_Registry::Find(Registry_Root root, const std::wstring& key)
{
    const auto found = keys_.find(Id(root, key));
    return found == keys_.end() ? nullptr : &found->second;
}

void Memory_Registry::Add_Key(Registry_Root root, const std::wstring& key) { keys_[Id(root, key)]; }

void Memory_Registry::Remove_Key(Registry_Root root, const std::wstring& key) { keys_.erase(Id(root, key)); }

void Memory_Registry::Put(Registry_Root root, const std::wstring& key, const std::wstring& name,
                          const std::wstring& value)
{
    keys_[Id(root, key)][Fold(name)] = {value, true};
}

void Memory_Registry::Put_Number(Registry_Root root, const std::wstring& key, const std::wstring& name)
{
    keys_[Id(root, key)][Fold(name)] = {L"", false};
}

std::optional<std::wstring> Memory_Registry::Value(Registry_Root root, const std::wstring& key,
                                                   const std::wstring& name) const
{
    const auto found_key = keys_.find(Id(root, key));
    if (found_key == keys_.end()) return std::nullopt;
    const auto found = found_key->second.find(Fold(name));
    if (found == found_key->second.end() || !found->second.Is_String) return std::nullopt;
    return found->second.Text;
}

Key_Status Memory_Registry::Open_Status(Registry_Root root, const std::wstring& key, Key_Access access)
{
    if (!Find(root, key)) return Key_Status::Missing;
    return access == Key_Access::Write && withheld_.count(Id(root, key)) ? Key_Status::Refused : Key_Status::Opens;
}

void Memory_Registry::Write_String(Registry_Root root, const std::wstring& key, const std::wstring& name,
                                   const std::wstring& value)
{
    Values* values = Find(root, key);
    if (!values || refused_.count(Fold(name)) || withheld_.count(Id(root, key))) throw Failed_To_Set_Data(name);
    ++writes_;
    (*values)[Fold(name)] = {spoiled_.count(Fold(name)) ? value + L"~" : value, true};
}

std::wstring Memory_Registry::Read_String(Registry_Root root, const std::wstring& key, const std::wstring& name)
{
    const Values* values = Find(root, key);
    if (!values) return {};
    const auto found = values->find(Fold(name));
    if (found == values->end()) return {};
    if (!found->second.Is_String) throw Invalid_Data_Type(name);
    return found->second.Text;
}

bool Memory_Registry::Value_Exists(Registry_Root root, const std::wstring& key, const std::wstring& name)
{
    const Values* values = Find(root, key);
    return values && values->count(Fold(name)) != 0;
}

void Memory_Registry::Delete_Value(Registry_Root root, const std::wstring& key, const std::wstring& name)
{
    Values* values = Find(root, key);
    if (values && !kept_.count(Fold(name)) && !withheld_.count(Id(root, key))) values->erase(Fold(name));
}

}  // namespace halvorn
