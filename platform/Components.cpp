#include "platform/Components.h"

#include <algorithm>
#include <cstdlib>
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
    Region_Handle Changed;
};
std::vector<Batch_Host> batch_hosts;

}  // namespace

Repaint_Batch::Repaint_Batch() { ++batch_depth; }

Repaint_Batch::~Repaint_Batch()
{
    if (--batch_depth > 0) return;
    for (const Batch_Host& host : std::exchange(batch_hosts, {})) InvalidateRgn(host.Host, host.Changed.Get(), FALSE);
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

struct Scaled_Picture {
    const Bitmap_Handle* Source;
    int Width, Height;
    COLORREF Transparent;
    Bitmap_Handle Bitmap;
};

namespace {

void Paint_Text_Box(HDC dc, const Component& box, RECT rect)
{
    SetDCBrushColor(dc, box.Fill);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
    InflateRect(&rect, -1, -1);

    // The caption's carriage return starts the second line.
    const std::wstring caption = Widen(box.Caption);
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

void Paint_Frame(HDC dc, const Component& frame, RECT rect)
{
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

void Paint_Label(HDC dc, const Component& label, RECT rect)
{
    SetTextColor(dc, label.Text_Colour);
    const std::wstring caption = Widen(label.Caption);
    const int length = static_cast<int>(caption.size());
    UINT format = label.Text_Format | (label.Access_Key ? 0u : DT_NOPREFIX);
    if ((format & (DT_VCENTER | DT_WORDBREAK)) == (DT_VCENTER | DT_WORDBREAK)) {
        // DrawText centres only a single line: measure the wrapped lines and move them down
        // by half the room left.
        format &= ~static_cast<UINT>(DT_VCENTER);
        RECT text = rect;
        DrawTextW(dc, caption.c_str(), length, &text, format | DT_CALCRECT);
        rect.top += std::max<LONG>((rect.bottom - rect.top - (text.bottom - text.top)) / 2, 0);
    }
    // A one-line label is not cut at its box: the box is its text's extent, and glyphs
    // may reach a pixel or two past that.
    if (!(format & DT_WORDBREAK)) format |= DT_NOCLIP;
    DrawTextW(dc, caption.c_str(), length, &rect, format);
}

void Paint_Shape(HDC dc, const Component& shape, RECT rect)
{
    SetDCBrushColor(dc, shape.Fill);
    Selected_Object brush(dc, GetStockObject(DC_BRUSH));
    Selected_Object pen(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

// Stretching by GDI blends or drops the picture's pixels, which loses its transparent colour
// (black specks, jagged lines). Each pixel here takes a colour of the picture that falls
// within it, the picture's own over the transparent one, so thin lines stay whole and in
// their colour at any size.
std::shared_ptr<const Scaled_Picture> Scale_Picture(HDC dc, const Bitmap_Handle& picture, int width, int height)
{
    BITMAP info{};
    if (!GetObjectW(picture.Get(), sizeof info, &info)) return nullptr;
    const int source_width = info.bmWidth, source_height = std::abs(info.bmHeight);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = source_width, format.bmiHeader.biHeight = -source_height;
    format.bmiHeader.biPlanes = 1, format.bmiHeader.biBitCount = 32;
    std::vector<std::uint32_t> source(static_cast<std::size_t>(source_width) * source_height);
    if (!GetDIBits(dc, picture.Get(), 0, static_cast<UINT>(source_height), source.data(), &format, DIB_RGB_COLORS))
        return nullptr;

    const std::uint32_t transparent = source[static_cast<std::size_t>(source_height - 1) * source_width];
    format.bmiHeader.biWidth = width, format.bmiHeader.biHeight = -height;
    void* bits = nullptr;
    Bitmap_Handle scaled(CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!scaled) return nullptr;
    auto* target = static_cast<std::uint32_t*>(bits);
    const auto span = [](int at, int size, int source_size) {
        const int first = static_cast<int>(static_cast<long long>(at) * source_size / size);
        const int last = static_cast<int>((static_cast<long long>(at + 1) * source_size + size - 1) / size);
        return std::pair{first, std::max(last, first + 1)};
    };
    for (int y = 0; y < height; ++y) {
        const auto [top, bottom] = span(y, height, source_height);
        for (int x = 0; x < width; ++x) {
            const auto [left, right] = span(x, width, source_width);
            std::uint32_t colour = transparent;
            for (int sy = top; sy < bottom && colour == transparent; ++sy)
                for (int sx = left; sx < right; ++sx) {
                    const std::uint32_t pixel = source[static_cast<std::size_t>(sy) * source_width + sx];
                    if (pixel != transparent) {
                        colour = pixel;
                        break;
                    }
                }
            target[static_cast<std::size_t>(y) * width + x] = colour;
        }
    }
    return std::make_shared<const Scaled_Picture>(Scaled_Picture{
        &picture, width, height, RGB(transparent >> 16 & 0xFF, transparent >> 8 & 0xFF, transparent & 0xFF),
        std::move(scaled)});
}

void Paint_Picture(HDC dc, const Component& picture, RECT rect)
{
    if (!picture.Picture) return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    // Scaled once per size: a resize repaints the page many times at few sizes.
    const Scaled_Picture* scaled = picture.Picture_At_Size.get();
    if (!scaled || scaled->Source != picture.Picture.get() || scaled->Width != width || scaled->Height != height) {
        picture.Picture_At_Size = Scale_Picture(dc, *picture.Picture, width, height);
        scaled = picture.Picture_At_Size.get();
        if (!scaled) return;
    }
    Memory_Dc scratch(dc);
    Selected_Object chosen(scratch.Get(), scaled->Bitmap.Get());
    GdiTransparentBlt(dc, rect.left, rect.top, width, height, scratch.Get(), 0, 0, width, height, scaled->Transparent);
}

void Paint_Bevel(HDC dc, const Component&, RECT rect) { DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT); }

void Paint_By_Handler(HDC dc, const Component& component, RECT rect)
{
    if (!component.On_Paint) return;
    const int saved = SaveDC(dc);
    component.On_Paint(component, dc, rect);
    RestoreDC(dc, saved);
}

using Painter = void (*)(HDC, const Component&, RECT);

// One painter per graphic kind, indexed by the kind.
constexpr Painter Painters[] = {
    nullptr,  // Non_Visual
    nullptr,  // Windowed: paints itself
    Paint_Label, Paint_Text_Box, Paint_Shape, Paint_Picture, Paint_Frame, Paint_Bevel, Paint_By_Handler,
};
static_assert(std::size(Painters) == static_cast<std::size_t>(Component_Kind::Painted) + 1);

}  // namespace

bool Component_List::Paints_In(HWND host, const RECT& area) const
{
    RECT overlap;
    return std::any_of(components_.begin(), components_.end(), [&](const std::unique_ptr<Component>& owned) {
        const RECT rect = Host_Rect(*owned);
        return owned->Is_Graphic() && Shows(*owned) && Host_Of(*owned) == host && IntersectRect(&overlap, &rect, &area);
    });
}

void Component_List::Paint(HWND host, HDC dc, const RECT& area, Font_Cache& fonts) const
{
    SetBkMode(dc, TRANSPARENT);
    // A font is selected once for the components in a row that use it: under Wine each
    // selection looks up the display's defaults, and a page paints a hundred boxes.
    const HGDIOBJ first_font = GetCurrentObject(dc, OBJ_FONT);
    for (const auto& owned : components_) {
        const Component& component = *owned;
        if (!component.Is_Graphic() || !Shows(component) || Host_Of(component) != host) continue;
        const RECT rect = Host_Rect(component);
        RECT overlap;
        if (!IntersectRect(&overlap, &rect, &area)) continue;
        if (rect.right - rect.left <= 0 || rect.bottom - rect.top <= 0) continue;
        // Outside what the DC is clipped to (the places to repaint), nothing would show.
        if (!RectVisible(dc, &rect)) continue;
        const HFONT font = component.Font.Points > 0 ? fonts.Get(component.Font)
                                                     : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        if (GetCurrentObject(dc, OBJ_FONT) != font) SelectObject(dc, font);
        Painters[static_cast<std::size_t>(component.Kind)](dc, component, rect);
        if (component.Focus_Cue) {
            RECT cue = rect;
            InflateRect(&cue, -2, -2);
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, RGB(255, 255, 255));
            DrawFocusRect(dc, &cue);
        }
    }
    SelectObject(dc, first_font);
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
        if (marked == batch_hosts.end())
            marked = batch_hosts.insert(marked, {host, Region_Handle(CreateRectRgn(0, 0, 0, 0))});
        const Region_Handle part(CreateRectRgnIndirect(&place));
        CombineRgn(marked->Changed.Get(), marked->Changed.Get(), part.Get(), RGN_OR);
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
