#include "platform/Control_Factory.h"

#include <commctrl.h>

#include <stdexcept>
#include <string>

#include "platform/Win_Text.h"

namespace halvorn {

namespace {

constexpr Component_Kind Graphic_Kinds[] = {Component_Kind::Label, Component_Kind::Text_Box, Component_Kind::Shape,
                                            Component_Kind::Picture, Component_Kind::Frame, Component_Kind::Painted};

bool Is_Graphic(Control_Type type) { return type <= Control_Type::Painted; }

}  // namespace

Component& Control_Factory::Create(const Control_Spec& spec, Component* parent)
{
    Component component;
    component.Name = spec.Name;
    component.Parent = parent;
    component.Left = spec.Left, component.Top = spec.Top, component.Width = spec.Width, component.Height = spec.Height;
    component.Caption = spec.Caption;
    if (spec.Font) component.Font = *spec.Font;
    else if (parent) component.Font = parent->Font;
    component.Visible = spec.Visible;
    component.Text_Colour = GetSysColor(COLOR_WINDOWTEXT);

    if (Is_Graphic(spec.Type)) {
        component.Kind = Graphic_Kinds[static_cast<std::size_t>(spec.Type)];
        component.Auto_Size = spec.Auto_Size;
        if (spec.Auto_Size) Component_List::Fit_To_Caption(component, fonts_);
        return components_.Add(std::move(component));
    }

    const HWND host = parent ? Component_List::Host_Of(*parent) : nullptr;
    component.Kind = Component_Kind::Windowed;
    component.Drop_Down = spec.Type == Control_Type::Drop_Down_List;
    component.Window = Create_Window(spec, host);
    if (!component.Window) throw std::runtime_error("Cannot create the control " + std::string(spec.Name));
    SendMessageW(component.Window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(component.Font)), FALSE);
    if (spec.Glyph) buttons_.Set_Glyph(component.Window, spec.Glyph, spec.Caption.empty());
    if (!spec.Tooltip.empty()) buttons_.Set_Tooltip(tooltip_owner_, component.Window, spec.Tooltip);
    return components_.Add(std::move(component));
}

HWND Control_Factory::Create_Window(const Control_Spec& spec, HWND parent) const
{
    const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.Command));
    const DWORD visible = spec.Visible ? WS_VISIBLE : 0;
    switch (spec.Type) {
    case Control_Type::Push_Button:
        return CreateWindowExW(0, WC_BUTTONW, Widen(spec.Caption).c_str(),
                               WS_CHILD | visible | WS_TABSTOP | BS_PUSHBUTTON, spec.Left, spec.Top, spec.Width,
                               spec.Height, parent, id, GetModuleHandleW(nullptr), nullptr);
    case Control_Type::Drop_Down_List:
        return CreateWindowExW(0, WC_COMBOBOXW, L"", WS_CHILD | visible | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                               spec.Left, spec.Top, spec.Width, spec.Height * Drop_Down_Rows, parent, id,
                               GetModuleHandleW(nullptr), nullptr);
    default:
        return nullptr;
    }
}

}  // namespace halvorn
