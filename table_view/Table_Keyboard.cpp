#include "table_view/Table_Keyboard.h"

#include <commctrl.h>
#include <windowsx.h>

#include <stdexcept>
#include <string_view>
#include <vector>

#include "elements/Element_Record.h"
#include "platform/Child_Controls.h"
#include "platform/Seams.h"

namespace halvorn {

namespace {

constexpr UINT_PTR Subclass_Id = 1;
// Posted to the page: press the component in lParam.
constexpr UINT Press_Message = WM_APP + 1;
constexpr const wchar_t* Tab_Stop_Class = L"Halvorn.Tab_Stop";

std::vector<Focus_Cell> Cells_Of(std::span<Component* const> items)
{
    std::vector<Focus_Cell> cells;
    for (const Component* item : items) {
        const RECT rect = Component_List::Host_Rect(*item);
        cells.push_back({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                         Component_List::Shows(*item)});
    }
    return cells;
}

int Index_In(std::span<Component* const> items, const Component* item)
{
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == item) return static_cast<int>(i);
    return -1;
}

bool Shift_Down() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }

bool Is_Press(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_XBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: case WM_XBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

}  // namespace

Table_Keyboard::Table_Keyboard(const Component_List& components, Component& page, std::span<Component* const> boxes,
                               std::span<Component* const> swatches, const Box_Value_Source& values)
    : page_(page), boxes_(boxes), swatches_(swatches), tips_(page.Window, boxes, values),
      accessible_(components, page.Window, boxes, swatches, values, *this)
{
    WNDCLASSEXW tab_stop_class{};
    tab_stop_class.cbSize = sizeof tab_stop_class;
    if (!GetClassInfoExW(GetModuleHandleW(nullptr), Tab_Stop_Class, &tab_stop_class)) {
        tab_stop_class.lpfnWndProc = Tab_Stop_Procedure;
        tab_stop_class.hInstance = GetModuleHandleW(nullptr);
        tab_stop_class.lpszClassName = Tab_Stop_Class;
        if (!RegisterClassExW(&tab_stop_class)) throw std::runtime_error("Cannot register the table's tab stop");
    }
    // The dialog keys never stop on a window that holds other controls, as the page does:
    // this one stands first among the page's children and hands the focus to the page.
    tab_stop_.Reset(Create_Child_Control(page.Window, {.Class_Name = Tab_Stop_Class, .Style = WS_VISIBLE | WS_TABSTOP},
                                         "the table's tab stop"));
    SetWindowLongPtrW(tab_stop_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowPos(tab_stop_.Get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    if (!SetWindowSubclass(page.Window, Page_Procedure, Subclass_Id, reinterpret_cast<DWORD_PTR>(this)))
        throw std::runtime_error("Cannot take the table page's keys");
    attached_ = true;
    hide_cue_ = (SendMessageW(page.Window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
}

Table_Keyboard::~Table_Keyboard()
{
    if (!attached_) {
        tab_stop_.Release();  // gone with the page
        return;
    }
    RemoveWindowSubclass(page_.Window, Page_Procedure, Subclass_Id);
    SetWindowLongPtrW(tab_stop_.Get(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK Table_Keyboard::Page_Procedure(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                                DWORD_PTR self)
{
    auto& keyboard = *reinterpret_cast<Table_Keyboard*>(self);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, Page_Procedure, Subclass_Id);
        keyboard.attached_ = false;
        return DefSubclassProc(window, message, w, l);
    }
    std::optional<LRESULT> result;
    Run_Guarded(window, [&] { result = keyboard.Page_Message(message, w, l); });
    return result ? *result : DefSubclassProc(window, message, w, l);
}

LRESULT CALLBACK Table_Keyboard::Tab_Stop_Procedure(HWND window, UINT message, WPARAM w, LPARAM l)
{
    auto* keyboard = reinterpret_cast<Table_Keyboard*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_SETFOCUS && keyboard) {
        // Reached by Shift+Tab from the control after the page, the key is the page's last part.
        Run_Guarded(window, [&] { keyboard->Enter(Shift_Down()); });
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

std::optional<LRESULT> Table_Keyboard::Page_Message(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
        // Enter presses the focused box rather than a default button.
        const auto* key = reinterpret_cast<const MSG*>(l);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_KEYDOWN:
        if (Key_Down(w, l)) return 0;
        break;
    case WM_CHAR:
        Typed(static_cast<wchar_t>(w));
        return 0;
    case WM_SETFOCUS:
        if (Component* item = Takes_Focus(focused_) ? focused_ : First_Box(); item != focused_) {
            Set_Focused(item);  // which shows and tells
        } else if (item) {
            Show_Cue();
            accessible_.Object().Notify_Focus(*item);
        }
        return 0;
    case WM_KILLFOCUS:
        Show_Cue(false);
        return 0;
    case WM_UPDATEUISTATE:
        if (HIWORD(w) & UISF_HIDEFOCUS) {
            const LRESULT result = DefSubclassProc(page_.Window, message, w, l);
            hide_cue_ = LOWORD(w) == UIS_SET || (LOWORD(w) == UIS_INITIALIZE &&
                                                 (SendMessageW(page_.Window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS));
            Show_Cue();
            return result;
        }
        break;
    case WM_GETOBJECT:
        return accessible_.Object().Get_Object(w, l);
    case WM_NOTIFY:
        if (tips_.Notify(*reinterpret_cast<NMHDR*>(l))) return 0;
        break;
    case Press_Message: {
        auto* item = reinterpret_cast<Component*>(l);
        // Only what is still there to press: the page may have changed since.
        if (Takes_Focus(item) && item->On_Mouse_Down) item->On_Mouse_Down(*item);
        return 0;
    }
    default:
        if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) tips_.Relay(message, w, l);
        if (Is_Press(message)) Pressed({GET_X_LPARAM(l), GET_Y_LPARAM(l)});
        break;
    }
    return std::nullopt;
}

void Table_Keyboard::Pressed(POINT point)
{
    // What is pressed is where the keyboard goes on from, as in a list.
    for (const std::span<Component* const> items : {boxes_, swatches_}) {
        for (Component* item : items) {
            const RECT rect = Component_List::Host_Rect(*item);
            if (Takes_Focus(item) && PtInRect(&rect, point)) Set_Focused(item);
        }
    }
    typed_.Clear();
    if (GetFocus() != page_.Window) SetFocus(page_.Window);
}

bool Table_Keyboard::Key_Down(WPARAM key, LPARAM l)
{
    switch (key) {
    case VK_LEFT: Move(Focus_Move::Left); break;
    case VK_RIGHT: Move(Focus_Move::Right); break;
    case VK_UP: Move(Focus_Move::Up); break;
    case VK_DOWN: Move(Focus_Move::Down); break;
    case VK_HOME: Move(Focus_Move::Row_Start); break;
    case VK_END: Move(Focus_Move::Row_End); break;
    case VK_TAB:
        if (Shift_Down() == At_Key() && Key_Shows()) {
            Set_Focused(At_Key() ? (Takes_Focus(last_box_) ? last_box_ : First_Box())
                                 : (last_swatch_ ? last_swatch_ : swatches_.front()));
        } else {
            Leave(Shift_Down());
            return true;
        }
        break;
    case VK_RETURN:
    case VK_SPACE:
        // A key held down presses once.
        if ((l & (1 << 30)) == 0 && Takes_Focus(focused_)) focused_->On_Mouse_Down(*focused_);
        return true;
    default:
        return false;
    }
    Keyboard_Used();
    return true;
}

void Table_Keyboard::Typed(wchar_t typed)
{
    if (typed <= L' ' || typed >= 0x80) return;
    const std::string& text = typed_.Add(static_cast<char>(typed), static_cast<std::uint32_t>(GetMessageTime()));
    std::vector<std::string_view> symbols;
    for (int n = 1; n <= Number_of_Elements && n <= static_cast<int>(boxes_.size()); ++n)
        symbols.push_back(Elements[n].Element_Abbreviation);
    const int found = Find_Typed_Text(symbols, text, Index_In(boxes_, focused_));
    if (found >= 0 && Takes_Focus(boxes_[static_cast<std::size_t>(found)])) {
        Set_Focused(boxes_[static_cast<std::size_t>(found)]);
        Keyboard_Used();
    }
}

void Table_Keyboard::Move(Focus_Move move)
{
    const std::span<Component* const> items = At_Key() ? swatches_ : boxes_;
    const int from = Index_In(items, focused_);
    if (from < 0) return;
    // A swatch hidden by a change of view hands the focus back to the boxes.
    if (!Takes_Focus(focused_)) return Set_Focused(First_Box());
    Set_Focused(items[Next_Focus_Cell(Cells_Of(items), static_cast<std::size_t>(from), move)]);
}

void Table_Keyboard::Focus(Component& item)
{
    if (!Takes_Focus(&item)) return;
    Set_Focused(&item);
    SetFocus(page_.Window);
}

void Table_Keyboard::Press_Later(Component& item)
{
    PostMessageW(page_.Window, Press_Message, 0, reinterpret_cast<LPARAM>(&item));
}

void Table_Keyboard::Enter(bool at_key)
{
    typed_.Clear();
    Set_Focused(at_key && Key_Shows() ? (last_swatch_ ? last_swatch_ : swatches_.front())
                       : (Takes_Focus(last_box_) ? last_box_ : First_Box()));
    Keyboard_Used();
    SetFocus(page_.Window);
}

void Table_Keyboard::Leave(bool back)
{
    const HWND next = GetNextDlgTabItem(GetAncestor(page_.Window, GA_ROOT), tab_stop_.Get(), back);
    if (next && next != tab_stop_.Get()) SetFocus(next);
}

void Table_Keyboard::Set_Focused(Component* item)
{
    if (item == focused_) return;
    if (focused_ && focused_->Focus_Cue) {
        focused_->Focus_Cue = false;
        Component_List::Invalidate(*focused_);
    }
    focused_ = item;
    if (!item) return;
    if (Index_In(boxes_, item) >= 0) last_box_ = item;
    else last_swatch_ = item;
    Show_Cue();
    if (GetFocus() == page_.Window) accessible_.Object().Notify_Focus(*item);
}

void Table_Keyboard::Show_Cue(std::optional<bool> page_focused)
{
    if (!focused_) return;
    const bool show = !hide_cue_ && !picture_taken_ && page_focused.value_or(GetFocus() == page_.Window);
    if (focused_->Focus_Cue == show) return;
    focused_->Focus_Cue = show;
    Component_List::Invalidate(*focused_);
}

void Table_Keyboard::Leave_Cue_Out_Of_Picture(bool out)
{
    picture_taken_ = out;
    Show_Cue();
}

void Table_Keyboard::Keyboard_Used()
{
    if (!hide_cue_) return;
    hide_cue_ = false;
    // The window and its other controls show their cues from now on too.
    SendMessageW(page_.Window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    Show_Cue();
}

bool Table_Keyboard::At_Key() const { return focused_ && Index_In(swatches_, focused_) >= 0; }

bool Table_Keyboard::Takes_Focus(const Component* item) const
{
    return item && (Index_In(boxes_, item) >= 0 || Index_In(swatches_, item) >= 0) && Component_List::Shows(*item);
}

Component* Table_Keyboard::First_Box() const
{
    for (Component* box : boxes_)
        if (Component_List::Shows(*box)) return box;
    return nullptr;
}

}  // namespace halvorn
