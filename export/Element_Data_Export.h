// The element data handed to a spreadsheet: onto the clipboard as tab-separated text and
// as CSV, or into a CSV file the user names.
#pragma once

#include <windows.h>

namespace halvorn {

// Raises "Cannot open clipboard" when another program holds it.
void Copy_Element_Data(HWND owner);
// Through the standard save dialog; a file that cannot be written is reported by the
// general error box and any old one stays as it was.
void Save_Element_Data_As(HWND owner);

}  // namespace halvorn
