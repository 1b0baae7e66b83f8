// Where the table picture is read from the main window and how large it is, from the
// live sizes of the page control, the table page and its Exit button.
#pragma once

namespace halvorn {

struct Snapshot_Measures {
    int Page_Control_Width;  // PageControl1.Width
    int Tab_Sheet_Left;      // TabSheet1.Left, within the page control
    int Tab_Sheet_Top;       // TabSheet1.Top, within the page control
    int Exit_Button_Top;     // Exit_BitBtn.Top, within the table page
};

struct Snapshot_Rect {
    int Left, Top, Right, Bottom;
    bool operator==(const Snapshot_Rect&) const = default;
};

struct Snapshot_Geometry {
    int Width, Height;           // the bitmap
    Snapshot_Rect Source;        // in the main window's client area
    Snapshot_Rect Destination;   // the whole bitmap
};

// The page's offsets are used as they stand, although they are relative to the page
// control and the source is read in the window's client area: the picture has always
// been taken this way, slightly stretched in width and squeezed in height.
Snapshot_Geometry Snapshot_Geometry_For(const Snapshot_Measures& measures);

}  // namespace halvorn
