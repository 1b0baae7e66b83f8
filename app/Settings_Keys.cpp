#include "app/Settings_Keys.h"

#include <stdexcept>
#include <string>

#include "elements/Text_Helpers.h"

namespace halvorn {

const Setting_Key& Setting_Key_Named(std::string_view name)
{
    for (const Setting_Key& key : Setting_Keys)
        if (key.Name == name) return key;
    throw std::logic_error("no setting " + std::string(name));
}

std::int32_t Parse_Setting_Value(const Setting_Key& key, std::string_view text)
{
    std::int32_t value = 0;
    try {
        value = Text_To_Integer(text);
    } catch (const Conversion_Error&) {
        return key.Default;
    }
    if (key.Type == Setting_Type::Colour && (value < 0 || value > 0xFFFFFF)) return key.Default;
    return value;
}

}  // namespace halvorn
