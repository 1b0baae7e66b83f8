// The registry through advapi32. Every call opens its key for itself, with the least rights
// the call needs, and closes it again.
#pragma once

#include "winint/Registry_Access.h"

namespace halvorn {

class Windows_Registry final : public Registry {
public:
    Key_Status Open_Status(Registry_Root root, const std::wstring& key, Key_Access access) override;
    void Write_String(Registry_Root root, const std::wstring& key, const std::wstring& name,
                      const std::wstring& value) override;
    std::wstring Read_String(Registry_Root root, const std::wstring& key, const std::wstring& name) override;
    bool Value_Exists(Registry_Root root, const std::wstring& key, const std::wstring& name) override;
    void Delete_Value(Registry_Root root, const std::wstring& key, const std::wstring& name) override;
};

}  // namespace halvorn
