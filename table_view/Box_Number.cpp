#include "table_view/Box_Number.h"

#include <string>

#include "elements/Text_Helpers.h"

namespace halvorn {

std::int32_t Digits_To_Integer(std::string_view text)
{
    std::string kept;
    for (char c : text) {
        const bool sign = c == '+' || c == '-';
        if ((c >= '0' && c <= '9') || (sign && kept.empty())) kept += c;
    }
    return kept.empty() ? 0 : Text_To_Integer(kept);
}

std::int32_t Get_Field_Integer(std::string_view text, char delimiter, int n)
{
    for (int i = 1; i < n; ++i) {
        const auto at = text.find(delimiter);
        if (at != std::string_view::npos) text.remove_prefix(at + 1);
    }
    return Digits_To_Integer(text.substr(0, text.find(delimiter)));
}

}  // namespace halvorn
