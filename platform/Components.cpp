#include "platform/Components.h"

#include <stdexcept>

#include <algorithm>

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

HFONT Font_Cache::Get(const Font_Spec& wanted)
{
    const auto key = std::make_tuple(wanted.Face, wanted.Points, wanted.Bold, wanted.Underline);
    if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second.Get();
    LOGFONTW font{};
    font.lfHeight = wanted.Height();
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
    if (!added.Name.empty()) by_name_[added.Name] = &added;
    return added;
}

Component* Component_List::Find(std::string_view name) const
{
    const auto found = by_name_.find(std::string(name));
    return found == by_name_.end() ? nullptr : found->second;
}

Component& Component_List::Named(std::string_view name) const
{
    Component* component = Find(name);
    if (!component) throw std::logic_error("no component " + std::string(name));
    return *component;
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

void Paint_Text_Box(HDC dc, const Component& box, RECT rect, HFONT font)
{
    Brush_Handle fill(CreateSolidBrush(box.Fill));
    FillRect(dc, &rect, fill.Get());
    DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
    InflateRect(&rect, -1, -1);

    // The caption's carriage return starts the second line.
    const std::wstring caption = Widen(box.Caption);
    Selected_Object chosen(dc, font);
    SetTextColor(dc, box.Text_Colour);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    std::size_t start = 0;
    for (int line = 0; start <= caption.size(); ++line) {
        std::size_t end = caption.find(L'\r', start);
        if (end == std::wstring::npos) end = caption.size();
        RECT line_rect{rect.left, rect.top + line * metrics.tmHeight, rect.right, rect.bottom};
        DrawTextW(dc, caption.c_str() + start, static_cast<int>(end - start), &line_rect,
                  DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        start = end + 1;
        if (start < caption.size() && caption[start] == L'\n') ++start;
    }
}

void Paint_Frame(HDC dc, const Component& frame, RECT rect, HFONT font)
{
    Selected_Object chosen(dc, font);
    const std::wstring caption = Widen(frame.Caption);
    SIZE text{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    RECT edge = rect;
    edge.top += text.cy / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    if (caption.empty()) return;
    RECT label{rect.left + 8, rect.top, rect.left + 8 + text.cx, rect.top + text.cy};
    FillRect(dc, &label, GetSysColorBrush(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &label, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}

void Paint_Label(HDC dc, const Component& label, RECT rect, HFONT font)
{
    Selected_Object chosen(dc, font);
    SetTextColor(dc, label.Text_Colour);
    const std::wstring caption = Widen(label.Caption);
    // A one-line label is not cut at its box: the box is its text's extent, and glyphs
    // may reach a pixel or two past that.
    const UINT wrap = label.Text_Format & DT_WORDBREAK;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect,
              label.Text_Format | DT_NOPREFIX | (wrap ? 0 : DT_NOCLIP));
}

void Paint_Shape(HDC dc, const Component& shape, RECT rect, HFONT)
{
    Brush_Handle fill(CreateSolidBrush(shape.Fill));
    Selected_Object brush(dc, fill.Get());
    Selected_Object pen(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void Paint_Picture(HDC dc, const Component& picture, RECT rect, HFONT)
{
    BITMAP info{};
    if (!picture.Picture || !GetObjectW(picture.Picture->Get(), sizeof info, &info)) return;
    Memory_Dc source(dc);
    Selected_Object chosen(source.Get(), picture.Picture->Get());
    const COLORREF transparent = GetPixel(source.Get(), 0, info.bmHeight - 1);
    GdiTransparentBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                      source.Get(), 0, 0, info.bmWidth, info.bmHeight, transparent);
}

void Paint_Bevel(HDC dc, const Component&, RECT rect, HFONT) { DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT); }

void Paint_By_Handler(HDC dc, const Component& component, RECT rect, HFONT)
{
    if (!component.On_Paint) return;
    const int saved = SaveDC(dc);
    component.On_Paint(component, dc, rect);
    RestoreDC(dc, saved);
}

using Painter = void (*)(HDC, const Component&, RECT, HFONT);

// One painter per graphic kind, indexed by the kind.
constexpr Painter Painters[] = {
    nullptr,  // Non_Visual
    nullptr,  // Windowed: paints itself
    Paint_Label, Paint_Text_Box, Paint_Shape, Paint_Picture, Paint_Frame, Paint_Bevel, Paint_By_Handler,
};
static_assert(std::size(Painters) == static_cast<std::size_t>(Component_Kind::Painted) + 1);

}  // namespace

void Component_List::Paint(HWND host, HDC dc, const RECT& area, Font_Cache& fonts) const
{
    SetBkMode(dc, TRANSPARENT);
    for (const auto& owned : components_) {
        const Component& component = *owned;
        if (!component.Is_Graphic() || !Shows(component) || Host_Of(component) != host) continue;
        const RECT rect = Host_Rect(component);
        RECT overlap;
        if (!IntersectRect(&overlap, &rect, &area)) continue;
        if (rect.right - rect.left <= 0 || rect.bottom - rect.top <= 0) continue;
        const HFONT font = component.Font.Points > 0 ? fonts.Get(component.Font)
                                                     : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        Painters[static_cast<std::size_t>(component.Kind)](dc, component, rect, font);
    }
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
    HDC screen = GetDC(nullptr);
    {
        Selected_Object chosen(screen, fonts.Get(label.Font));
        const std::wstring caption = Widen(label.Caption);
        RECT rect{0, 0, 0, 0};
        DrawTextW(screen, caption.c_str(), static_cast<int>(caption.size()), &rect,
                  DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        label.Width = rect.right;
        label.Height = rect.bottom;
    }
    ReleaseDC(nullptr, screen);
}

void Component_List::Invalidate(const Component& component)
{
    if (HWND host = Host_Of(component)) {
        if (component.Window) {
            InvalidateRect(component.Window, nullptr, TRUE);
        } else {
            const RECT rect = Host_Rect(component);
            InvalidateRect(host, &rect, FALSE);
        }
    }
}

}  // namespace halvorn
