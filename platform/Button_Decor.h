// Tooltips and glyph pictures for a window's push buttons.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string_view>

#include "platform/Unique_Handle.h"

namespace halvorn {

class Button_Decor {
public:
    Button_Decor() = default;
    Button_Decor(const Button_Decor&) = delete;
    Button_Decor& operator=(const Button_Decor&) = delete;

    // The glyph (a 16 x 16 bitmap resource on magenta) stands left of the caption, or
    // alone when there is none. Buttons with the same glyph share one image list.
    void Set_Glyph(HWND button, int glyph_resource, bool centred);
    // The tooltip shown on hover; owner is the window the tooltip belongs to.
    void Set_Tooltip(HWND owner, HWND button, std::string_view hint);

private:
    Unique_Handle<HWND, DestroyWindow> tooltip_;
    std::map<int, Unique_Handle<HIMAGELIST, ImageList_Destroy>> images_;
};

// A push button child window with its font.
HWND Create_Push_Button(HWND parent, std::string_view caption, int left, int top, int width, int height,
                        HFONT font, int id);

}  // namespace halvorn
