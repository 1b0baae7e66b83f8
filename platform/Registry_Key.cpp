#include "platform/Registry_Key.h"

namespace halvorn {

Registry_Key Registry_Key::Open(HKEY root, const std::wstring& path, REGSAM access, LSTATUS* status)
{
    HKEY key = nullptr;
    const LSTATUS result = RegOpenKeyExW(root, path.c_str(), 0, access, &key);
    if (status) *status = result;
    return result == ERROR_SUCCESS ? Registry_Key(key) : Registry_Key();
}

void Registry_Key::Reset(HKEY key)
{
    if (key_) RegCloseKey(key_);
    key_ = key;
}

}  // namespace halvorn
