#include "platform/Window_Base.h"

#include <windowsx.h>

#include <stdexcept>
#include <utility>

#include "platform/Gdi_Owners.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"

namespace halvorn {

Window_Base::~Window_Base()
{
    if (handle_ && IsWindow(handle_)) {
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
    }
}

void Window_Base::Register_Class(const wchar_t* class_name, HICON icon)
{
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), class_name, &window_class)) return;
    window_class.lpfnWndProc = Procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    window_class.hIcon = icon;
    window_class.hbrBackground = nullptr;  // every window paints its whole background
    window_class.lpszClassName = class_name;
    if (!RegisterClassExW(&window_class)) throw std::runtime_error("Cannot register a window class");
}

void Window_Base::Create(const wchar_t* class_name, DWORD ex_style, DWORD style,
                         std::string_view caption, int left, int top, int width, int height,
                         HWND parent, HMENU menu)
{
    CreateWindowExW(ex_style, class_name, Widen(caption).c_str(), style, left, top, width, height,
                    parent, menu, GetModuleHandleW(nullptr), this);
    if (!handle_) throw std::runtime_error("Cannot create a window");
}

void Window_Base::Make_Now() const
{
    // Once only, whatever happens: a window half made by a failure is not made again.
    const std::function<void()> make = std::exchange(make_, nullptr);
    make();
    if (when_made_) std::exchange(when_made_, nullptr)();
}

void Window_Base::When_Made(std::function<void()> action)
{
    if (Made()) action();
    else when_made_ = std::move(action);
}

LRESULT Window_Base::Handle_Message(UINT message, WPARAM w, LPARAM l)
{
    return DefWindowProcW(handle_, message, w, l);
}

LRESULT CALLBACK Window_Base::Procedure(HWND window, UINT message, WPARAM w, LPARAM l)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window_Base*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        self->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window_Base*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, w, l);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        return DefWindowProcW(window, message, w, l);
    }
    LRESULT result = 0;
    bool handled = false;
    Run_Guarded(window, [&] {
        result = self->Handle_Message(message, w, l);
        handled = true;
    });
    return handled ? result : 0;
}

void Host_Window::Create_For(Component& component, DWORD style)
{
    const HWND parent = component.Parent ? Component_List::Host_Of(*component.Parent) : nullptr;
    Create(Class_Name, WS_EX_CONTROLPARENT, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | style,
           component.Caption, component.Left, component.Top, component.Width, component.Height,
           parent);
    component.Window = Handle();
}

LRESULT Host_Window::Handle_Message(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        // Only the places to repaint are drawn again, not all their bounding rectangle holds.
        const Region_Handle changed(CreateRectRgn(0, 0, 0, 0));
        const bool clip = GetUpdateRgn(Handle(), changed.Get(), FALSE) == COMPLEXREGION;
        Paint_Dc paint(Handle());
        const RECT& area = paint.Area();
        const int width = area.right - area.left, height = area.bottom - area.top;
        if (width <= 0 || height <= 0) return 0;
        // Only background there: nothing to flicker, so no buffer is needed.
        if (!components_.Paints_In(Handle(), area)) {
            FillRect(paint.Get(), &area, GetSysColorBrush(COLOR_BTNFACE));
            return 0;
        }
        Memory_Dc buffer(paint.Get());
        Bitmap_Handle bitmap(CreateCompatibleBitmap(paint.Get(), width, height));
        Selected_Object chosen(buffer.Get(), bitmap.Get());
        if (clip) {
            OffsetRgn(changed.Get(), -area.left, -area.top);
            SelectClipRgn(buffer.Get(), changed.Get());
        }
        SetViewportOrgEx(buffer.Get(), -area.left, -area.top, nullptr);
        FillRect(buffer.Get(), &area, GetSysColorBrush(COLOR_BTNFACE));
        components_.Paint(Handle(), buffer.Get(), area, fonts_);
        SetViewportOrgEx(buffer.Get(), 0, 0, nullptr);
        BitBlt(paint.Get(), area.left, area.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDBLCLK:
        if (Component* target = components_.Mouse_Target(Handle(), {GET_X_LPARAM(l), GET_Y_LPARAM(l)}))
            target->On_Mouse_Down(*target);
        return message == WM_XBUTTONDOWN || message == WM_XBUTTONDBLCLK ? TRUE : 0;
    case WM_MOUSEMOVE:
        Mouse_Moved({GET_X_LPARAM(l), GET_Y_LPARAM(l)});
        return 0;
    case WM_MOUSELEAVE:
        Mouse_Moved({-1, -1});
        return 0;
    case WM_ACTIVATE:
        // Activation puts the focus on the window itself, which hands it on below.
        if (const HWND focus = GetFocus(); LOWORD(w) == WA_INACTIVE && Top_Level() && Can_Focus(focus))
            last_focus_ = focus;
        break;
    case WM_SETFOCUS:
        if (!Top_Level()) break;
        if (const HWND to = Can_Focus(last_focus_) ? last_focus_ : First_Focus(); Can_Focus(to)) SetFocus(to);
        return 0;
    case WM_NEXTDLGCTL: {
        // The dialog keys move the focus with this, as for a label's access key; an edit box
        // reached so is selected whole, as in a dialog.
        if (!Top_Level()) break;
        const HWND to = LOWORD(l) ? reinterpret_cast<HWND>(w) : GetNextDlgTabItem(Handle(), GetFocus(), w != 0);
        if (!to) return 0;
        SetFocus(to);
        if (SendMessageW(to, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(to, EM_SETSEL, 0, -1);
        return 0;
    }
    case DM_GETDEFID:
        // Enter presses the push button that has the focus, however the focus got there;
        // elsewhere there is no default button and Enter confirms nothing.
        if (const HWND focus = GetFocus(); focus && IsChild(Handle(), focus) &&
            (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
            return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
        return 0;
    case WM_HSCROLL:
        // A slider's moves reach its room as its commands, the scroll code as notification.
        if (l && components_.Run_Command(reinterpret_cast<HWND>(l), LOWORD(w))) return 0;
        break;
    case WM_COMMAND:
        // A control with a handler of its own runs it here, in the room that made it.
        if (components_.Run_Command(reinterpret_cast<HWND>(l), HIWORD(w))) return 0;
        [[fallthrough]];
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if ((GetWindowLongW(Handle(), GWL_STYLE) & WS_CHILD) != 0)
            return SendMessageW(GetAncestor(Handle(), GA_ROOT), message, w, l);
        break;
    default:
        break;
    }
    return Window_Base::Handle_Message(message, w, l);
}

bool Host_Window::Can_Focus(HWND control) const
{
    return control && IsChild(Handle(), control) && IsWindowVisible(control) && IsWindowEnabled(control);
}

void Host_Window::Mouse_Moved(POINT point)
{
    Component* now = point.x < 0 ? nullptr : components_.Hover_Target(Handle(), point);
    if (hovered_ && hovered_ != now) hovered_->On_Mouse_Move(*hovered_, {-1, -1});
    if (now && !hovered_) {
        // Ask to be told when the pointer leaves the window.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
    }
    hovered_ = now;
    if (now) now->On_Mouse_Move(*now, point);
}

}  // namespace halvorn
