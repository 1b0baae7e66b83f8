#include "platform/Graphic_Accessible.h"

#include <algorithm>

namespace halvorn {

namespace {

// A caption read out as one line, without the blanks that pad it on screen.
std::string Spoken_Caption(std::string caption)
{
    std::replace(caption.begin(), caption.end(), '\r', ' ');
    caption.erase(std::remove(caption.begin(), caption.end(), '\n'), caption.end());
    const auto first = caption.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return caption.substr(first, caption.find_last_not_of(' ') - first + 1);
}

}  // namespace

Graphic_Accessible::~Graphic_Accessible()
{
    if (!object_) return;
    Disconnect_Accessible_Object(object_);
    // Clients in other processes let go of it now rather than at their leisure.
    CoDisconnectObject(object_, 0);
    object_->Release();
}

std::optional<LRESULT> Graphic_Accessible::Get_Object(WPARAM w, LPARAM l)
{
    if (static_cast<LONG>(l) != OBJID_CLIENT) return std::nullopt;
    // Handing the object out goes through COM, which this thread starts the first time it
    // is asked, and keeps.
    static const bool com_started = [] {
        const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        return SUCCEEDED(started) || started == RPC_E_CHANGED_MODE;
    }();
    if (!com_started) return std::nullopt;
    if (!object_) object_ = Make_Accessible_Object(*this);
    return LresultFromObject(__uuidof(IAccessible), w, object_);
}

void Graphic_Accessible::Notify_Focus(const Component& child) const
{
    const std::vector<Component*> children = Children();
    const auto found = std::find(children.begin(), children.end(), &child);
    if (found != children.end())
        NotifyWinEvent(EVENT_OBJECT_FOCUS, window_, OBJID_CLIENT, static_cast<LONG>(found - children.begin()) + 1);
}

std::vector<Component*> Graphic_Accessible::Children() const
{
    std::vector<Component*> children;
    for (std::size_t i = 0; i < components_.Count(); ++i) {
        Component& control = components_.At(i);
        if (!control.Is_Control()) continue;
        if (control.Window) {
            if (GetParent(control.Window) != window_ || !IsWindowVisible(control.Window)) continue;
            Accessible_Facts facts;
            facts.Role = ROLE_SYSTEM_CLIENT;
            if (source_.Describe(control, facts)) children.push_back(&control);
        } else if (Component_List::Host_Of(control) == window_ && Component_List::Shows(control) &&
                   Facts_Of(control)) {
            children.push_back(&control);
        }
    }
    return children;
}

std::optional<Accessible_Facts> Graphic_Accessible::Facts_Of(const Component& child) const
{
    Accessible_Facts facts;
    switch (child.Kind) {
    case Component_Kind::Label:
    case Component_Kind::Text_Box: facts.Name = Spoken_Caption(child.Caption); break;
    case Component_Kind::Frame:
        facts.Role = ROLE_SYSTEM_GROUPING;
        facts.Name = Spoken_Caption(child.Caption);
        break;
    default: facts.Role = ROLE_SYSTEM_GRAPHIC; break;
    }
    if (child.On_Mouse_Down) {
        facts.Role = ROLE_SYSTEM_PUSHBUTTON;
        facts.Default_Action = "Press";
    }
    if (!source_.Describe(child, facts)) return std::nullopt;
    return facts;
}

}  // namespace halvorn
