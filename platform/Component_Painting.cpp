// How the graphic components paint themselves into their host's buffer: labels, text
// boxes, shapes, frames, bevels, pictures scaled once per size, and painted controls.
#include "platform/Components.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Gdi_Owners.h"
#include "platform/Win_Text.h"

namespace halvorn {

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
    // Clipped to places apart from one another, a component outside them all is not drawn.
    RECT clip_box;
    const bool clipped = GetClipBox(dc, &clip_box) == COMPLEXREGION;
    for (const auto& owned : components_) {
        const Component& component = *owned;
        if (!component.Is_Graphic() || !Shows(component) || Host_Of(component) != host) continue;
        const RECT rect = Host_Rect(component);
        RECT overlap;
        if (!IntersectRect(&overlap, &rect, &area)) continue;
        if (rect.right - rect.left <= 0 || rect.bottom - rect.top <= 0) continue;
        if (clipped && !RectVisible(dc, &rect)) continue;
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

}  // namespace halvorn
