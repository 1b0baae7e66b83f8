#include "platform/Form_Window.h"

#include <richedit.h>

#include <algorithm>
#include <stdexcept>

#include "platform/Dpi.h"
#include "platform/Rich_Edit.h"
#include "platform/Win_Text.h"

namespace halvorn {

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
    const bool centred = left < 0 || top < 0;
    if (centred) {
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

    // Only now is the monitor, and so the DPI, known.
    dpi_ = Start_At_Window_Dpi(Handle(), Fonts(), Buttons_);
    if (dpi_ == Design_Dpi) return;
    Form_->Set_Bounds(0, 0, Scaled(client_width), Scaled(client_height));
    if (centred) {
        const SIZE frame = Frame_Size(dpi_);
        Fit_Frame((GetSystemMetrics(SM_CXSCREEN) - frame.cx) / 2, (GetSystemMetrics(SM_CYSCREEN) - frame.cy) / 2);
    } else {
        Fit_Frame(Scaled(left), Scaled(top));
    }
}

int Form_Window::Scaled(int design) const { return Dpi_Scaled(design, dpi_); }

SIZE Form_Window::Frame_Size(int dpi) const
{
    return Outer_Size(Dpi_Scaled(Form_->Design.Width, dpi), Dpi_Scaled(Form_->Design.Height, dpi),
                      static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE)),
                      static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE)), false, dpi);
}

void Form_Window::Fit_Frame(int left, int top)
{
    const SIZE frame = Frame_Size(dpi_);
    SetWindowPos(Handle(), nullptr, left, top, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

Component& Form_Window::Add_Component(Component component)
{
    Component& added = Form_Parts::Components.Add(std::move(component));
    if (dpi_ == Design_Dpi) return added;
    added.Set_Bounds(Scaled(added.Left), Scaled(added.Top), Scaled(added.Width), Scaled(added.Height));
    if (added.Window)
        SetWindowPos(added.Window, nullptr, added.Left, added.Top, added.Width, added.Height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    return added;
}

void Form_Window::Follow_Dpi(int dpi, int left, int top)
{
    dpi_ = dpi;
    Component_List& components = Components();
    Lay_Out_For_Dpi(components, Form_, dpi, Fonts(), Buttons_);
    Form_->Set_Bounds(0, 0, Scaled(Form_->Design.Width), Scaled(Form_->Design.Height));
    HDWP moves = BeginDeferWindowPos(static_cast<int>(components.Count()));
    for (std::size_t i = 0; i < components.Count(); ++i) {
        const Component& control = components.At(i);
        if (!control.Window || &control == Form_ || !moves) continue;
        moves = DeferWindowPos(moves, control.Window, nullptr, control.Left, control.Top, control.Width,
                               control.Height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves) EndDeferWindowPos(moves);
    for (std::size_t i = 0; i < components.Count(); ++i) {
        const Component& control = components.At(i);
        if (!control.Window || &control == Form_) continue;
        // A new font would reformat the whole text of a rich-text control.
        if (std::find(rich_edits_.begin(), rich_edits_.end(), control.Window) != rich_edits_.end())
            Zoom_Rich_Edit(control.Window);
        else
            SendMessageW(control.Window, WM_SETFONT, reinterpret_cast<WPARAM>(Fonts().Get(control.Font)), FALSE);
    }
    Fit_Frame(left, top);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Form_Window::Zoom_Rich_Edit(HWND edit) const
{
    const auto system = static_cast<int>(GetDpiForSystem());
    if (dpi_ == system) SendMessageW(edit, EM_SETZOOM, 0, 0);
    else SendMessageW(edit, EM_SETZOOM, static_cast<WPARAM>(dpi_), static_cast<LPARAM>(system));
}

LRESULT Form_Window::Handle_Message(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_GETDPISCALEDSIZE:
        // The size the window will have there, so that the place suggested fits it.
        *reinterpret_cast<SIZE*>(l) = Frame_Size(static_cast<int>(w));
        return TRUE;
    case WM_DPICHANGED: {
        // The client area keeps its design at the new DPI; the place is the one suggested.
        const RECT& suggested = *reinterpret_cast<const RECT*>(l);
        Follow_Dpi(LOWORD(w), suggested.left, suggested.top);
        return 0;
    }
    case WM_CLOSE:
        if (!Modal_.Take_Close()) ShowWindow(Handle(), SW_HIDE);
        return 0;
    default:
        return Host_Window::Handle_Message(message, w, l);
    }
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
    rich_edits_.push_back(edit);
    if (dpi_ != static_cast<int>(GetDpiForSystem())) Zoom_Rich_Edit(edit);
    return edit;
}

Component& Form_Window::Add_Window(std::string_view name, HWND window, int left, int top, int width, int height,
                                   const Font_Spec& font)
{
    return Add_Component(Windowed_Component(name, Form_, window, left, top, width, height, font));
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
    return Add_Component(std::move(label));
}

}  // namespace halvorn
