#include "platform/Control_Factory.h"

#include <commctrl.h>

#include <stdexcept>
#include <string>

#include "platform/Child_Controls.h"

namespace halvorn {

namespace {

constexpr Component_Kind Graphic_Kinds[] = {Component_Kind::Label, Component_Kind::Text_Box, Component_Kind::Shape,
                                            Component_Kind::Picture, Component_Kind::Frame, Component_Kind::Painted};

bool Is_Graphic(Control_Type type) { return type <= Control_Type::Painted; }

}  // namespace

Component& Control_Factory::Create(const Control_Design& design, Component* parent)
{
    Component component;
    component.Name = design.Name;
    component.Parent = parent;
    component.Left = design.Left, component.Top = design.Top, component.Width = design.Width, component.Height = design.Height;
    component.Caption = design.Caption;
    if (design.Font) component.Font = *design.Font;
    else if (parent) component.Font = parent->Font;
    component.Visible = design.Visible;
    component.Text_Colour = GetSysColor(COLOR_WINDOWTEXT);

    if (Is_Graphic(design.Type)) {
        component.Kind = Graphic_Kinds[static_cast<std::size_t>(design.Type)];
        component.Auto_Size = design.Auto_Size;
        if (design.Auto_Size) Component_List::Fit_To_Caption(component, fonts_);
        return components_.Add(std::move(component));
    }

    const HWND host = parent ? Component_List::Host_Of(*parent) : nullptr;
    component.Kind = Component_Kind::Windowed;
    component.Drop_Down = design.Type == Control_Type::Drop_Down_List;
    component.Window = Create_Window(design, host, fonts_.Get(component.Font));
    if (design.Glyph) buttons_.Set_Glyph(component.Window, design.Glyph, design.Caption.empty());
    if (!design.Tooltip.empty()) buttons_.Set_Tooltip(tooltip_owner_, component.Window, design.Tooltip);
    return components_.Add(std::move(component));
}

HWND Control_Factory::Create_Window(const Control_Design& design, HWND parent, HFONT font) const
{
    const std::string what = "the control " + std::string(design.Name);
    const DWORD visible = design.Visible ? WS_VISIBLE : 0;
    switch (design.Type) {
    case Control_Type::Push_Button:
        return Create_Push_Button(parent, design.Caption, design.Left, design.Top, design.Width, design.Height, font,
                                  design.Command, design.Visible);
    case Control_Type::Drop_Down_List:
        return Create_Child_Control(parent,
                                    {.Class_Name = WC_COMBOBOXW,
                                     .Style = visible | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                     .Left = design.Left, .Top = design.Top, .Width = design.Width,
                                     .Height = design.Height * Drop_Down_Rows,
                                     .Id = design.Command,
                                     .Font = font},
                                    what);
    case Control_Type::Slider:
        // The caption is the name assistive technology reads for it.
        return Create_Child_Control(parent,
                                    {.Class_Name = TRACKBAR_CLASSW,
                                     .Style = visible | WS_TABSTOP | TBS_HORZ | TBS_NOTICKS,
                                     .Caption = design.Caption,
                                     .Left = design.Left, .Top = design.Top, .Width = design.Width,
                                     .Height = design.Height,
                                     .Id = design.Command},
                                    what);
    case Control_Type::Edit_Box:
        return Create_Child_Control(parent,
                                    {.Class_Name = WC_EDITW,
                                     .Style = visible | WS_TABSTOP | ES_AUTOHSCROLL,
                                     .Ex_Style = WS_EX_CLIENTEDGE,
                                     .Caption = design.Caption,
                                     .Left = design.Left, .Top = design.Top, .Width = design.Width,
                                     .Height = design.Height,
                                     .Id = design.Command,
                                     .Font = font},
                                    what);
    default:
        throw std::logic_error("not a windowed control: " + std::string(design.Name));
    }
}

}  // namespace halvorn
