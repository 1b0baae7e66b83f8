// One class per window: its object lives in GWLP_USERDATA, and no exception leaves the
// window procedure.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "platform/Components.h"

namespace halvorn {

class Window_Base {
public:
    Window_Base() = default;
    Window_Base(const Window_Base&) = delete;
    Window_Base& operator=(const Window_Base&) = delete;
    virtual ~Window_Base();

    // The window. One left to be made on first use is made now.
    HWND Handle() const
    {
        if (!handle_ && make_) Make_Now();
        return handle_;
    }
    bool Made() const { return handle_ != nullptr; }
    // Runs action now when the window is made, else right after it is; a later call
    // replaces an action still waiting.
    void When_Made(std::function<void()> action);

    // Registers a window class whose procedure dispatches to the object.
    static void Register_Class(const wchar_t* class_name, HICON icon = nullptr);

protected:
    void Create(const wchar_t* class_name, DWORD ex_style, DWORD style, std::string_view caption,
                int left, int top, int width, int height, HWND parent, HMENU menu = nullptr);
    virtual LRESULT Handle_Message(UINT message, WPARAM w, LPARAM l);
    // Leaves making the window to the first time anything asks for its handle: start-up
    // then makes only the windows its first paint shows.
    void Make_On_First_Use(std::function<void()> make) { make_ = std::move(make); }

private:
    void Make_Now() const;
    mutable std::function<void()> make_, when_made_;
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    HWND handle_ = nullptr;
};

// A window that paints its graphic controls double-buffered and hands them mouse presses.
// Commands and notifications from its child windows go to the top-level window. A top-level
// one keeps the focus as a dialog does: the control that had it when the window was left
// has it again when the window comes back.
class Host_Window : public Window_Base {
public:
    Host_Window(Component_List& components, Font_Cache& fonts)
        : components_(components), fonts_(fonts) {}

    static constexpr const wchar_t* Class_Name = L"Halvorn.Host";

    // Creates the window for a windowed component, at its bounds, inside its parent.
    void Create_For(Component& component, DWORD style = 0);

protected:
    LRESULT Handle_Message(UINT message, WPARAM w, LPARAM l) override;
    // Where a top-level window's focus goes when no control of it had the focus before;
    // none leaves it on the window.
    virtual HWND First_Focus() const { return nullptr; }
    Component_List& components_;
    Font_Cache& fonts_;

private:
    void Mouse_Moved(POINT point);
    bool Top_Level() const { return (GetWindowLongW(Handle(), GWL_STYLE) & WS_CHILD) == 0; }
    // Can take the focus back: a shown, enabled control of this window.
    bool Can_Focus(HWND control) const;
    Component* hovered_ = nullptr;  // the control the pointer is over, told when it leaves
    HWND last_focus_ = nullptr;     // the control that had the focus when the window was left
};

}  // namespace halvorn
