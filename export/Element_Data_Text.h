// The element data as a spreadsheet reads it: a header row with the report's units, then
// one row per element, numbers in the invariant form ("0.0000899", "-1000"), codes by
// their names, and nothing in a cell whose value is missing.
#pragma once

#include <string>
#include <string_view>

#include "elements/Element_Record.h"

namespace halvorn {

// Tab-separated: no cell holds a tab or a line break.
std::string Element_Data_Tsv(const Element_Array& elements);
// Comma-separated, a cell with a comma, a quote or a line break in quotes.
std::string Element_Data_Csv(const Element_Array& elements);

// Windows-1252 text as UTF-8; bytes the code page leaves unassigned stand for the
// control characters of the same number.
std::string Utf8_From_Windows_1252(std::string_view text);

}  // namespace halvorn
