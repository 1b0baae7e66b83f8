// A top-level secondary window with its own components: made once, when first wanted,
// and hidden until a command shows it. Its controls are given at their design bounds and
// stand at the DPI of the window's monitor, following it when the window moves to a
// monitor of another DPI.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Button_Decor.h"
#include "platform/Child_Controls.h"
#include "platform/Modal_Runner.h"
#include "platform/Window_Base.h"

namespace halvorn {

struct Form_Parts {
    Component_List Components;
    Font_Cache Fonts;
};

enum class Form_Border { Dialog, Dialog_Without_Buttons };

class Form_Window : private Form_Parts, public Host_Window {
public:
    Form_Window() : Host_Window(Form_Parts::Components, Form_Parts::Fonts) {}

    // The window's components, made with it.
    Component_List& Components()
    {
        Handle();
        return Form_Parts::Components;
    }
    Font_Cache& Fonts() { return Form_Parts::Fonts; }

    void Set_Position(int left, int top);

    // The DPI the window lays its controls out for.
    int Dpi() const { return dpi_; }

protected:
    LRESULT Handle_Message(UINT message, WPARAM w, LPARAM l) override;

    // Creates the hidden window with the given client size; left or top below 0 centres
    // it on the screen.
    void Create_Form(std::string_view caption, int left, int top, int client_width,
                     int client_height, Form_Border border, HWND owner);
    // A design measure at the window's DPI.
    int Scaled(int design) const;
    // Adds a component given at its design bounds, placed for the window's DPI.
    Component& Add_Component(Component component);
    // Adds a push button as a real child window at design bounds, with its glyph
    // resource and tooltip when given.
    Component& Add_Button(std::string_view name, std::string_view caption, int left, int top,
                          int width, int height, const Font_Spec& font, int id, int glyph = 0,
                          std::string_view hint = {});
    // Adds a read-only rich-text control, first in the tab order whenever it is made.
    HWND Add_Rich_Edit(std::string_view name, int left, int top, int width, int height, const Font_Spec& font,
                       bool horizontal_scroll_bar);
    // Registers a child window made elsewhere at its design bounds under its name, and
    // places it for the window's DPI.
    Component& Add_Window(std::string_view name, HWND window, int left, int top, int width, int height,
                          const Font_Spec& font);
    Component& Add_Label(std::string_view name, Component* parent, std::string_view caption,
                         int left, int top, int width, int height, const Font_Spec& font);

    Component* Form_ = nullptr;  // the window itself, first in the list
    Button_Decor Buttons_;
    // Runs the window when it is shown modally; the title-bar close cancels it then, as
    // Escape does, and hides a window that is not running modally.
    Modal_Runner Modal_;

private:
    // Lays the window and its controls out from their design for dpi, at left, top.
    void Follow_Dpi(int dpi, int left, int top);
    // The outer size of the window around its design client area at dpi.
    SIZE Frame_Size(int dpi) const;
    void Fit_Frame(int left, int top);
    // The rich-text controls turn points into pixels at the system's DPI, not the window's.
    void Zoom_Rich_Edit(HWND edit) const;

    int dpi_ = 96;
    std::vector<HWND> rich_edits_;
};

}  // namespace halvorn
