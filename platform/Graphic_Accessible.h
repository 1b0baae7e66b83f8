// What assistive technology sees of a window that paints its own controls: an IAccessible
// for the window's client area whose children are the controls it hosts (graphic ones by
// child id, real child windows as objects of their own), with names, roles, places, focus
// and default actions. The window's owner tells what only it knows.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/Components.h"

namespace halvorn {

struct Accessible_Facts {
    long Role = ROLE_SYSTEM_STATICTEXT;
    std::string Name;
    std::string Description;
    std::string Default_Action;  // empty: the control has none
    bool Focusable = false;
};

class Accessible_Source {
public:
    // Fills in or corrects the facts made from the control's kind and caption; false leaves
    // the control out.
    virtual bool Describe(const Component& control, Accessible_Facts& facts) const = 0;
    // The child that has the keyboard focus while the window has it; null for none.
    virtual Component* Focused_Child() const = 0;
    // Gives the window the focus, on child.
    virtual void Focus_Child(Component& child) = 0;
    // Runs child's default action, from the message loop rather than within the client's
    // call, which waits meanwhile (a modal dialog may open).
    virtual void Do_Default_Action(Component& child) = 0;

protected:
    ~Accessible_Source() = default;
};

class Graphic_Accessible {
public:
    Graphic_Accessible(const Component_List& components, HWND window, Accessible_Source& source)
        : components_(components), window_(window), source_(source) {}
    Graphic_Accessible(const Graphic_Accessible&) = delete;
    Graphic_Accessible& operator=(const Graphic_Accessible&) = delete;
    // Clients that still hold the object are told that it is gone.
    ~Graphic_Accessible();

    // The answer to WM_GETOBJECT for the client area; nothing for other objects.
    std::optional<LRESULT> Get_Object(WPARAM w, LPARAM l);
    // Tells assistive technology that the focus is on child.
    void Notify_Focus(const Component& child) const;

    // The children in order: child id n is the n-th.
    std::vector<Component*> Children() const;
    // Facts of a graphic child: from its kind and caption, then the source's.
    std::optional<Accessible_Facts> Facts_Of(const Component& child) const;
    HWND Window() const { return window_; }
    Accessible_Source& Source() const { return source_; }

private:
    const Component_List& components_;
    HWND window_;
    Accessible_Source& source_;
    IAccessible* object_ = nullptr;  // made when first asked for
};

// The COM object that answers for owner, holding one reference for it.
IAccessible* Make_Accessible_Object(Graphic_Accessible& owner);
// The owner is gone: every call on the object fails as disconnected from now on.
void Disconnect_Accessible_Object(IAccessible* object);

}  // namespace halvorn
