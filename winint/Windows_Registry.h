// The registry through advapi32. Every call opens its key for itself with full access
// rights and closes it again, so a key the user may not open fully counts as missing.
#pragma once

#include "winint/Registry_Access.h"

namespace halvorn {

class Windows_Registry final : public Registry {
public:
    bool Key_Exists(Registry_Root root, const std::wstring& key) override;
    void Write_String(Registry_Root root, const std::wstring& key, const std::wstring& name,
                      const std::wstring& value) override;
    std::wstring Read_String(Registry_Root root, const std::wstring& key, const std::wstring& name) override;
    bool Value_Exists(Registry_Root root, const std::wstring& key, const std::wstring& name) override;
    void Delete_Value(Registry_Root root, const std::wstring& key, const std::wstring& name) override;
};

}  // namespace halvorn
