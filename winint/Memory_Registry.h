// A registry held in memory, for tests: keys exist only once added, and each way the
// platform can let the program down can be switched on for a value name.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "winint/Registry_Access.h"

namespace halvorn {

class Memory_Registry final : public Registry {
public:
    void Add_Key(Registry_Root root, const std::wstring& key);
    // The key and its values are gone, as for a key the user may not open.
    void Remove_Key(Registry_Root root, const std::wstring& key);

    // Sets a value directly, as another program would; the key is added when missing.
    void Put(Registry_Root root, const std::wstring& key, const std::wstring& name, const std::wstring& value);
    // A value of another type than string.
    void Put_Number(Registry_Root root, const std::wstring& key, const std::wstring& name);
    // The stored string, or nothing.
    std::optional<std::wstring> Value(Registry_Root root, const std::wstring& key, const std::wstring& name) const;

    // Writes of this value store something else, so they do not read back as written.
    void Spoil_Writes_Of(const std::wstring& name) { spoiled_.insert(Fold(name)); }
    // Deleting this value leaves it in place.
    void Keep_On_Delete(const std::wstring& name) { kept_.insert(Fold(name)); }
    // Writing this value is refused outright.
    void Refuse_Writes_Of(const std::wstring& name) { refused_.insert(Fold(name)); }
    // The key opens for reading only, as a machine-wide key does for a standard user.
    void Withhold_Writing(Registry_Root root, const std::wstring& key) { withheld_.insert(Id(root, key)); }

    // Value writes that reached the store (refused ones do not count).
    int Write_Count() const { return writes_; }

    Key_Status Open_Status(Registry_Root root, const std::wstring& key, Key_Access access) override;
    void Write_String(Registry_Root root, const std::wstring& key, const std::wstring& name,
                      const std::wstring& value) override;
    std::wstring Read_String(Registry_Root root, const std::wstring& key, const std::wstring& name) override;
    bool Value_Exists(Registry_Root root, const std::wstring& key, const std::wstring& name) override;
    void Delete_Value(Registry_Root root, const std::wstring& key, const std::wstring& name) override;

private:
    struct Stored {
        std::wstring Text;
        bool Is_String = true;
    };
    using Key_Id = std::pair<Registry_Root, std::wstring>;
    using Values = std::map<std::wstring, Stored>;

    // Key paths and value names are compared without regard to letter case, and a
    // key path with or without its leading "\" names the same key.
    static std::wstring Fold(const std::wstring& text);
    static Key_Id Id(Registry_Root root, const std::wstring& key);
    Values* Find(Registry_Root root, const std::wstring& key);

    std::map<Key_Id, Values> keys_;
    std::set<std::wstring> spoiled_, kept_, refused_;
    std::set<Key_Id> withheld_;
    int writes_ = 0;
};

}  // namespace halvorn
