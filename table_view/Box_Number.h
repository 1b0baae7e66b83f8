// Turning a control name such as "StaticText57" into the number it carries.
#pragma once

#include <cstdint>
#include <string_view>

namespace halvorn {

// The signed integer made of text's sign and digit characters (signs after the first
// kept character are dropped); 0 when there are none. A lone sign or a value outside the
// 32-bit range raises Conversion_Error.
std::int32_t Digits_To_Integer(std::string_view text);

// Digits_To_Integer of the n-th delimiter-separated field of text; a field past the last
// gives the last.
std::int32_t Get_Field_Integer(std::string_view text, char delimiter, int n);

}  // namespace halvorn
