// An INI file's text with the values of one section set, everything else kept as it
// stood: other sections, keys the program does not know, comments and line endings.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace halvorn {

using Ini_Values = std::vector<std::pair<std::string_view, std::string>>;

// Sets every key of values in section: the first line of a key takes the new value and
// later lines of the same key go; keys the section lacks follow its last line, in the
// order given; a missing section is added at the end. Sections and keys are matched
// without regard to letter case or the blanks around them, as the profile functions do.
std::string Set_Ini_Values(std::string_view text, std::string_view section, const Ini_Values& values);

}  // namespace halvorn
