// The table as a picture of any size: drawn anew, off-screen, from the page's own
// painting at a whole multiple of its size, with the snapshot's caption, and saved as PNG
// or BMP where the user chooses.
#pragma once

#include <windows.h>

#include "export/Table_Snapshot.h"

namespace halvorn {

// A new 24-bit bitmap of the table page above its buttons, scale times its present size
// in each direction; text and edges are drawn at that size, not enlarged.
Bitmap_Handle Draw_Table_Picture(Snapshot_Source& source, int scale);

// The standard save dialog offers PNG and BMP at 1x to 4x the window's size; the name's
// own extension, when it is one of the two, decides the format.
void Save_Table_Image_As(Snapshot_Source& source, HWND owner);

}  // namespace halvorn
