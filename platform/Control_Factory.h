// Controls declared as data and made by one factory: a design names the kind, bounds,
// caption, font, tooltip and command, and the factory creates the control, gives it its
// font and adds it to the window's components. A control the platform refuses to create
// raises an error rather than leaving a null window behind.
#pragma once

#include <windows.h>

#include <string_view>

#include "platform/Button_Decor.h"
#include "platform/Components.h"

namespace halvorn {

enum class Control_Type : std::uint8_t {
    Label,           // windowless text
    Text_Box,        // windowless sunken box with caption lines
    Shape,           // windowless filled rectangle
    Picture,         // windowless bitmap
    Frame,           // windowless etched frame with a caption
    Painted,         // windowless, drawn by its own paint handler
    Push_Button,     // a real button with an optional glyph and tooltip
    Drop_Down_List,  // a real combo box without an edit part
    Slider,          // a real trackbar, its moves sent to the room as commands
    Edit_Box,        // a real one-line edit control
};

struct Control_Design {
    Control_Type Type = Control_Type::Label;
    std::string_view Name = {};
    int Left = 0, Top = 0, Width = 0, Height = 0;
    std::string_view Caption = {};
    const Font_Spec* Font = nullptr;  // none: the parent's font
    std::string_view Tooltip = {};
    int Glyph = 0;    // bitmap resource shown on a button
    int Command = 0;  // WM_COMMAND id of a real control (a slider's too)
    bool Visible = true;
    bool Auto_Size = false;  // a label sized to its caption
};

class Control_Factory {
public:
    // Tooltips of buttons belong to tooltip_owner.
    Control_Factory(Component_List& components, Font_Cache& fonts, Button_Decor& buttons, HWND tooltip_owner)
        : components_(components), fonts_(fonts), buttons_(buttons), tooltip_owner_(tooltip_owner) {}

    Component& Create(const Control_Design& design, Component* parent);
    Component_List& Components() const { return components_; }

private:
    HWND Create_Window(const Control_Design& design, HWND parent, HFONT font) const;

    Component_List& components_;
    Font_Cache& fonts_;
    Button_Decor& buttons_;
    HWND tooltip_owner_;
};

}  // namespace halvorn
