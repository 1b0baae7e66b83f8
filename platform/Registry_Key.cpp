#include "platform/Registry_Key.h"

namespace halvorn {

Registry_Key Registry_Key::Open(HKEY root, const std::wstring& path, REGSAM access)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS) return Registry_Key();
    return Registry_Key(key);
}

void Registry_Key::Reset(HKEY key)
{
    if (key_) RegCloseKey(key_);
    key_ = key;
}

}  // namespace halvorn
