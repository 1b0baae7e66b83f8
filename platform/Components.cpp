#include "platform/Components.h"

#include <algorithm>
#include <utility>

#include "platform/Gdi_Owners.h"
#include "platform/Win_Text.h"

namespace halvorn {

Component Windowed_Component(std::string_view name, Component* parent, HWND window, int left, int top, int width,
                             int height, const Font_Spec& font)
{
    Component component;
    component.Name = name;
    component.Kind = Component_Kind::Windowed;
    component.Parent = parent;
    component.Window = window;
    component.Left = left, component.Top = top, component.Width = width, component.Height = height;
    component.Font = font;
    return component;
}

HFONT Font_Cache::Get(const Font_Spec& wanted, int dpi)
{
    const auto key = std::make_tuple(wanted.Face, wanted.Points, wanted.Bold, wanted.Underline, dpi);
    if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second.Get();
    LOGFONTW font{};
    font.lfHeight = wanted.Height(dpi);
    font.lfWeight = wanted.Bold ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = wanted.Underline;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, wanted.Face.c_str(), LF_FACESIZE);
    return fonts_.emplace(key, Font_Handle(CreateFontIndirectW(&font))).first->second.Get();
}

Component& Component_List::Add(Component component)
{
    components_.push_back(std::make_unique<Component>(std::move(component)));
    Component& added = *components_.back();
    added.Design = {added.Left, added.Top, added.Width, added.Height, added.Font.Points};
    return added;
}

Component* Component_List::Find(std::string_view name) const
{
    const auto found = std::find_if(components_.begin(), components_.end(),
                                    [&](const std::unique_ptr<Component>& owned) { return owned->Name == name; });
    return found == components_.end() ? nullptr : found->get();
}

bool Component_List::Run_Command(HWND control, unsigned short notification) const
{
    if (!control) return false;
    for (const auto& owned : components_)
        if (owned->Window == control && owned->On_Command) {
            owned->On_Command(notification);
            return true;
        }
    return false;
}

namespace {

int batch_depth = 0;
// The windows to repaint when the outermost batch ends, each with the places changed in
// it: a few boxes recoloured repaint those boxes only.
struct Batch_Host {
    HWND Host;
    std::vector<RECT> Places;
};
std::vector<Batch_Host> batch_hosts;
// More places than this (a new layout moves them all) repaint their window whole: a region
// built from hundreds of places costs more than the paint it would save.
constexpr std::size_t Places_Repainted_Alone = 32;

}  // namespace

Repaint_Batch::Repaint_Batch() { ++batch_depth; }

Repaint_Batch::~Repaint_Batch()
{
    if (--batch_depth > 0) return;
    for (const Batch_Host& batch : std::exchange(batch_hosts, {})) {
        if (batch.Places.size() > Places_Repainted_Alone) {
            InvalidateRect(batch.Host, nullptr, FALSE);
            continue;
        }
        const Region_Handle changed(CreateRectRgn(0, 0, 0, 0));
        for (const RECT& place : batch.Places) {
            const Region_Handle part(CreateRectRgnIndirect(&place));
            CombineRgn(changed.Get(), changed.Get(), part.Get(), RGN_OR);
        }
        InvalidateRgn(batch.Host, changed.Get(), FALSE);
    }
}

void Component::Set_Bounds(int left, int top, int width, int height)
{
    if (left == Left && top == Top && width == Width && height == Height) return;
    // The old place shows the background again, the new one the component.
    if (!Window) Component_List::Invalidate(*this);
    Left = left, Top = top, Width = width, Height = height;
    if (!Window) Component_List::Invalidate(*this);
}

void Component::Set_Font_Points(int points)
{
    if (points == Font.Points) return;
    Font.Points = points;
    if (!Window) Component_List::Invalidate(*this);
}

void Component::Set_Caption(std::string_view caption)
{
    if (caption == Caption) return;
    Caption = caption;
    if (Window) Set_Window_Text(Window, caption);
    else Component_List::Invalidate(*this);
}

void Component::Set_Fill(COLORREF colour)
{
    if (colour == Fill) return;
    Fill = colour;
    Component_List::Invalidate(*this);
}

void Component::Set_Text_Colour(COLORREF colour)
{
    if (colour == Text_Colour) return;
    Text_Colour = colour;
    Component_List::Invalidate(*this);
}

void Component::Set_Visible(bool visible)
{
    if (visible == Visible) return;
    Visible = visible;
    if (Window && visible && Before_Show) Before_Show(*this);
    if (Window) ShowWindow(Window, visible ? SW_SHOWNA : SW_HIDE);
    else Component_List::Invalidate(*this);
}

HWND Component_List::Host_Of(const Component& component)
{
    const Component* at = &component;
    while (at && !at->Window) at = at->Parent;
    return at ? at->Window : nullptr;
}

RECT Component_List::Host_Rect(const Component& component)
{
    RECT rect{component.Left, component.Top, component.Left + component.Width,
              component.Top + component.Height};
    if (component.Window) return rect;
    for (const Component* at = component.Parent; at && !at->Window; at = at->Parent)
        OffsetRect(&rect, at->Left, at->Top);
    return rect;
}

bool Component_List::Shows(const Component& component)
{
    for (const Component* at = &component; at && !at->Window; at = at->Parent)
        if (!at->Visible) return false;
    return true;
}

namespace {

template <typename Takes>
Component* Topmost_Under(const std::vector<std::unique_ptr<Component>>& components, HWND host, POINT point,
                         Takes takes)
{
    for (auto at = components.rbegin(); at != components.rend(); ++at) {
        Component& component = **at;
        if (!takes(component) || !component.Is_Graphic() || !Component_List::Shows(component) ||
            Component_List::Host_Of(component) != host)
            continue;
        const RECT rect = Component_List::Host_Rect(component);
        if (PtInRect(&rect, point)) return &component;
    }
    return nullptr;
}

}  // namespace

Component* Component_List::Mouse_Target(HWND host, POINT point) const
{
    return Topmost_Under(components_, host, point, [](const Component& c) { return bool(c.On_Mouse_Down); });
}

Component* Component_List::Hover_Target(HWND host, POINT point) const
{
    return Topmost_Under(components_, host, point, [](const Component& c) { return bool(c.On_Mouse_Move); });
}

HCURSOR Component_List::Cursor_At(HWND host, POINT point) const
{
    const Component* under = Topmost_Under(components_, host, point, [](const Component& c) { return c.Cursor != nullptr; });
    return under ? under->Cursor : nullptr;
}

void Component_List::Send_To_Back(const Component& component)
{
    const auto found = std::find_if(components_.begin(), components_.end(),
                                    [&](const std::unique_ptr<Component>& owned) { return owned.get() == &component; });
    if (found != components_.end()) std::rotate(components_.begin(), found, found + 1);
}

void Component_List::Fit_To_Caption(Component& label, Font_Cache& fonts)
{
    const Memory_Dc measuring(nullptr);
    Fit_To_Caption(label, fonts, measuring.Get());
}

void Component_List::Fit_To_Caption(Component& label, Font_Cache& fonts, HDC dc)
{
    label.Auto_Size = true;
    Selected_Object chosen(dc, fonts.Get(label.Font));
    const std::wstring caption = Widen(label.Caption);
    RECT rect{0, 0, 0, 0};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    label.Set_Bounds(label.Left, label.Top, rect.right, rect.bottom);
}

void Component_List::Invalidate(const Component& component)
{
    const HWND host = Host_Of(component);
    if (!host) return;
    if (batch_depth > 0) {
        RECT place;
        if (component.Window) GetClientRect(component.Window, &place);
        else place = Host_Rect(component);
        auto marked = std::find_if(batch_hosts.begin(), batch_hosts.end(),
                                   [&](const Batch_Host& batch) { return batch.Host == host; });
        if (marked == batch_hosts.end()) marked = batch_hosts.insert(marked, {host, {}});
        marked->Places.push_back(place);
        return;
    }
    // A hidden window paints all of itself when it shows.
    if (!IsWindowVisible(host)) return;
    if (component.Window) {
        InvalidateRect(component.Window, nullptr, TRUE);
    } else {
        const RECT rect = Host_Rect(component);
        InvalidateRect(host, &rect, FALSE);
    }
}

}  // namespace halvorn
