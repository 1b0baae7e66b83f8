// Keyboard use of the table page. The page is one tab stop, after the page control: in it
// the arrow keys, Home and End move a focus among the shown element boxes by their places,
// Tab goes on to the colour key's swatches (Shift+Tab back), Enter or Space press the
// focused one as a mouse press does, and typing a symbol's letters goes to its element. A
// mouse press on the page gives it the focus too. The focus shows as a dotted rectangle
// once the keyboard is in use. The page's element tooltips and accessible object share its
// messages, so they are answered here too.
#pragma once

#include <windows.h>

#include <optional>
#include <span>

#include "platform/Components.h"
#include "platform/Unique_Handle.h"
#include "table_view/Table_Accessible.h"
#include "table_view/Table_Navigation.h"
#include "table_view/Table_Tips.h"
#include "table_view/Table_Views.h"

namespace halvorn {

class Table_Keyboard {
public:
    // boxes[n - 1] is element box n; page is the window that paints them and the swatches;
    // values tells what the view shows of each box.
    Table_Keyboard(const Component_List& components, Component& page, std::span<Component* const> boxes,
                   std::span<Component* const> swatches, const Box_Value_Source& values);
    Table_Keyboard(const Table_Keyboard&) = delete;
    Table_Keyboard& operator=(const Table_Keyboard&) = delete;
    ~Table_Keyboard();

    // The box or swatch that has the focus within the page (when the page has it).
    Component* Focused() const { return focused_; }
    // Gives the page the keyboard focus, on item (a shown box or a swatch).
    void Focus(Component& item);
    // Presses item from the message loop, as the mouse would.
    void Press_Later(Component& item);
    // Keeps the focus cue out of the page while a picture of it is taken.
    void Leave_Cue_Out_Of_Picture(bool out);

    // The page's place in the tab order: a window of no size that hands the focus on.
    HWND Tab_Stop() const { return tab_stop_.Get(); }
    Table_Tips& Tips() { return tips_; }
    Graphic_Accessible& Accessible() { return accessible_.Object(); }

private:
    static LRESULT CALLBACK Page_Procedure(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self);
    static LRESULT CALLBACK Tab_Stop_Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    std::optional<LRESULT> Page_Message(UINT message, WPARAM w, LPARAM l);
    bool Key_Down(WPARAM key, LPARAM l);
    // A mouse press on the page gives it the focus, on the box or swatch pressed if any.
    void Pressed(POINT point);
    void Typed(wchar_t typed);
    void Move(Focus_Move move);
    // Enters the page by Tab, at the boxes, or at the key by Shift+Tab.
    void Enter(bool at_key);
    // Leaves the page for the next (or previous) tab stop of the window.
    void Leave(bool back);
    void Set_Focused(Component* item);
    // The focus cue shows while the page has the focus (when not told, the page asks) and
    // the keyboard is in use.
    void Show_Cue(std::optional<bool> page_focused = std::nullopt);
    void Keyboard_Used();
    bool At_Key() const;
    // The group key shows (other views have no swatches to go to).
    bool Key_Shows() const { return Component_List::Shows(*swatches_.front()); }
    bool Takes_Focus(const Component* item) const;
    Component* First_Box() const;

    Component& page_;
    std::span<Component* const> boxes_;
    std::span<Component* const> swatches_;
    Component* focused_ = nullptr;
    Component* last_box_ = nullptr;     // where Tab or Shift+Tab back from the key returns
    Component* last_swatch_ = nullptr;  // where Tab from the boxes goes
    bool hide_cue_ = false;             // the window's state says the keyboard is not in use
    bool picture_taken_ = false;        // a picture of the page is being taken
    bool attached_ = false;             // the page is there and passes its messages here
    Type_Ahead typed_;
    Unique_Handle<HWND, DestroyWindow> tab_stop_;
    Table_Tips tips_;
    Table_Accessible accessible_;
};

}  // namespace halvorn
