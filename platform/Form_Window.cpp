#include "platform/Form_Window.h"

#include <stdexcept>

#include "platform/Rich_Edit.h"
#include "platform/Win_Text.h"

namespace halvorn {

std::string Form_Window::Caption_Of(std::string_view name) const
{
    const Component* component = Form_Parts::Components.Find(name);
    if (!component) throw std::logic_error("no component " + std::string(name));
    return component->Window ? Window_Text(component->Window) : component->Caption;
}

void Form_Window::Set_Caption_Of(std::string_view name, std::string_view caption)
{
    Component* component = Form_Parts::Components.Find(name);
    if (!component) throw std::logic_error("no component " + std::string(name));
    component->Caption = caption;
    if (component->Window) Set_Window_Text(component->Window, caption);
    else Component_List::Invalidate(*component);
}

void Form_Window::Set_Position(int left, int top)
{
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form_Window::Create_Form(std::string_view caption, int left, int top, int client_width,
                              int client_height, Form_Border border, HWND owner)
{
    DWORD style = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
    if (border == Form_Border::Dialog) style |= WS_SYSMENU;
    const DWORD ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT outer{0, 0, client_width, client_height};
    AdjustWindowRectEx(&outer, style, FALSE, ex_style);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    if (left < 0 || top < 0) {
        left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    Create(Class_Name, ex_style, style, caption, left, top, width, height, owner);
    Component form;
    form.Name = "Form";
    form.Kind = Component_Kind::Windowed;
    form.Window = Handle();
    form.Caption = caption;
    form.Width = client_width;
    form.Height = client_height;
    Form_ = &Form_Parts::Components.Add(std::move(form));
}

Component& Form_Window::Add_Button(std::string_view name, std::string_view caption, int left, int top,
                                   int width, int height, const Font_Spec& font, int id, int glyph,
                                   std::string_view hint)
{
    HWND button = Create_Push_Button(Handle(), caption, left, top, width, height, Form_Parts::Fonts.Get(font), id);
    if (glyph) Buttons_.Set_Glyph(button, glyph, caption.empty());
    if (!hint.empty()) Buttons_.Set_Tooltip(GetWindow(Handle(), GW_OWNER), button, hint);
    Component& component = Add_Window(name, button, left, top, width, height, font);
    component.Caption = caption;
    return component;
}

HWND Form_Window::Add_Rich_Edit(std::string_view name, int left, int top, int width, int height,
                                const Font_Spec& font, bool horizontal_scroll_bar)
{
    HWND edit = Create_Rich_Edit(Handle(), left, top, width, height, horizontal_scroll_bar, Form_Parts::Fonts.Get(font));
    SetWindowPos(edit, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Add_Window(name, edit, left, top, width, height, font);
    return edit;
}

Component& Form_Window::Add_Window(std::string_view name, HWND window, int left, int top, int width, int height,
                                   const Font_Spec& font)
{
    return Form_Parts::Components.Add(Windowed_Component(name, Form_, window, left, top, width, height, font));
}

Component& Form_Window::Add_Label(std::string_view name, Component* parent,
                                  std::string_view caption, int left, int top, int width,
                                  int height, const Font_Spec& font)
{
    Component label;
    label.Name = name;
    label.Kind = Component_Kind::Label;
    label.Parent = parent ? parent : Form_;
    label.Left = left, label.Top = top, label.Width = width, label.Height = height;
    label.Font = font;
    label.Caption = caption;
    label.Text_Colour = GetSysColor(COLOR_WINDOWTEXT);
    return Form_Parts::Components.Add(std::move(label));
}

}  // namespace halvorn
