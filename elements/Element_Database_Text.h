// The built-in element database text: Windows-1252, a header line and one row per
// element, fields separated by TAB.
#pragma once

#include <string_view>

namespace halvorn {

std::string_view Element_Database_Text();

}  // namespace halvorn
