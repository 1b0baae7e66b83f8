#include "platform/Child_Controls.h"

#include <stdexcept>
#include <string>

#include "platform/Win_Text.h"

namespace halvorn {

HWND Create_Child_Control(HWND parent, const Child_Control& control, std::string_view what)
{
    const HWND window = CreateWindowExW(control.Ex_Style, control.Class_Name, Widen(control.Caption).c_str(),
                                        WS_CHILD | control.Style, control.Left, control.Top, control.Width,
                                        control.Height, parent,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.Id)),
                                        GetModuleHandleW(nullptr), nullptr);
    if (!window) throw std::runtime_error("Cannot create " + std::string(what));
    if (control.Font) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(control.Font), FALSE);
    return window;
}

HWND Create_Push_Button(HWND parent, std::string_view caption, int left, int top, int width, int height,
                        HFONT font, int id, bool visible)
{
    return Create_Child_Control(parent,
                                {.Class_Name = L"BUTTON",
                                 .Style = (visible ? WS_VISIBLE : 0u) | WS_TABSTOP | BS_PUSHBUTTON,
                                 .Caption = caption,
                                 .Left = left, .Top = top, .Width = width, .Height = height,
                                 .Id = id,
                                 .Font = font},
                                "the button \"" + std::string(caption) + "\"");
}

}  // namespace halvorn
