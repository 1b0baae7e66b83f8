// The picture of the element table: read from the main window's pixels with its caption
// stamped on, then put on the clipboard or saved beside the executable.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "export/Snapshot_Geometry.h"
#include "platform/Gdi_Owners.h"

namespace halvorn {

// What the table page offers a capture. The capture repaints the window after each of the
// caption calls, before it reads a pixel and before it returns.
class Snapshot_Source {
public:
    virtual ~Snapshot_Source() = default;
    // Makes the table page the page showing; it stays in front afterwards.
    virtual void Show_Table_Page() = 0;
    // Sets the two-line caption (program title, web address) and shows it.
    virtual void Show_Snapshot_Caption() = 0;
    virtual void Hide_Snapshot_Caption() = 0;
    // The main window, whose client-area drawing surface is read.
    virtual HWND Client_Window() const = 0;
    virtual Snapshot_Measures Measures() const = 0;
    // The table page above its buttons, in pixels.
    virtual SIZE Page_Picture_Size() const = 0;
    // Paints the page's drawn controls into dc at their places on the page; dc's transform
    // may scale them.
    virtual void Paint_Page(HDC dc) const = 0;
};

inline constexpr std::wstring_view Snapshot_File_Name = L"Halvorn.bmp";

// A new bitmap of the display's depth, the size of the table page above its buttons.
// The caption is hidden again on every path.
Bitmap_Handle Capture_Table_Snapshot(Snapshot_Source& source);

// A capture onto the clipboard as a bitmap, with the display's palette when it has one.
// Raises "Cannot open clipboard" when another program holds it. No message on success.
void Copy_Table_Snapshot_To_Clipboard(Snapshot_Source& source, HWND clipboard_owner);

// The executable's directory + "Halvorn.bmp", whatever the executable is called.
std::wstring Snapshot_File_Path();

// A standard BMP file at the bitmap's depth, created anew. Raises "Cannot create file "
// + path when it cannot be created; nothing is written then.
void Write_Bmp_File(HBITMAP bitmap, const std::wstring& path);

// A capture into the snapshot file, confirmed to the user unless quiet (as when the
// picture is made the wallpaper). Errors are raised for the general error box.
void Save_Table_Snapshot(Snapshot_Source& source, HWND owner, bool quiet);

}  // namespace halvorn
