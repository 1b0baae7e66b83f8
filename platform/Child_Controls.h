// Every child control window of the program is made here, one way: at its bounds, with its
// font, failing loudly. Windows that host graphic controls are made by Window_Base and
// tooltips by Tooltip.
#pragma once

#include <windows.h>

#include <string_view>

namespace halvorn {

struct Child_Control {
    const wchar_t* Class_Name = nullptr;
    DWORD Style = 0;  // WS_CHILD is always added
    DWORD Ex_Style = 0;
    std::string_view Caption = {};
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Id = 0;            // WM_COMMAND id
    HFONT Font = nullptr;  // none: the system font
};

// Creates the control inside parent. A control the platform refuses raises "Cannot create "
// + what, rather than leaving a null window behind.
HWND Create_Child_Control(HWND parent, const Child_Control& control, std::string_view what);

// A push button, a tab stop, with its font: the one builder of push buttons.
HWND Create_Push_Button(HWND parent, std::string_view caption, int left, int top, int width, int height,
                        HFONT font, int id, bool visible = true);

}  // namespace halvorn
