// A window's components, in creation order: real child windows where the platform brings
// behaviour, and windowless graphic controls (labels, boxes, shapes, pictures, frames)
// that their host window paints in one pass and hands mouse presses to.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/Gdi_Owners.h"

namespace halvorn {

enum class Component_Kind : std::uint8_t {
    Non_Visual,  // menu items, dialogs: no place on screen
    Windowed,    // a real child window
    Label,       // text on the parent's background
    Text_Box,    // filled box with a sunken border, caption lines centred from the top
    Shape,       // filled rectangle with a one-pixel black outline
    Picture,     // bitmap stretched to the bounds, its bottom-left colour transparent
    Frame,       // etched frame with a caption, holding other graphic controls
    Bevel,       // raised box edge, drawing nothing inside
    Painted,     // drawn by its On_Paint handler
};

struct Font_Spec {
    std::wstring Face;
    int Points = 0;  // 0: the component has no font of its own
    bool Bold = false;
    bool Underline = false;

    // Pixel height at dpi, as a negative character height.
    int Height(int dpi = 96) const { return -MulDiv(Points, dpi, 72); }
    static int Points_From_Height(int pixels) { return MulDiv(pixels, 72, 96); }
};

// A drop-down list's window also holds its list, this many times the list's own height.
inline constexpr int Drop_Down_Rows = 15;

// A control's bounds and font size as designed, at 96 dpi.
struct Component_Design {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Font_Points = 0;
};

struct Scaled_Picture;

struct Component {
    std::string Name;
    Component_Kind Kind = Component_Kind::Non_Visual;
    Component* Parent = nullptr;  // bounds are relative to its client area
    HWND Window = nullptr;        // own window of a windowed control
    int Left = 0, Top = 0, Width = 0, Height = 0;
    Font_Spec Font;
    // Recorded when the component is added: what a change of DPI lays it out from.
    Component_Design Design;
    std::string Caption;
    COLORREF Fill = 0;
    COLORREF Text_Colour = 0;
    UINT Text_Format = DT_LEFT | DT_TOP;  // DrawText flags of a label
    bool Visible = true;
    bool Focus_Cue = false;  // the keyboard focus is on it: a dotted rectangle inside
    bool Auto_Size = false;  // a label kept sized to its caption
    bool Access_Key = false; // a label whose "&" underlines the letter after it
    bool Drop_Down = false;  // a drop-down list, whose window also holds its list below
    std::shared_ptr<const Bitmap_Handle> Picture;  // shared by the pictures that show it
    // The picture as scaled for the size it was last painted at, kept for the next paint.
    mutable std::shared_ptr<const Scaled_Picture> Picture_At_Size;
    HCURSOR Cursor = nullptr;   // shown over the control; null leaves the host's
    std::string Hint;           // the tooltip text, shown by hosts that keep tooltips
    std::function<void(Component&)> On_Mouse_Down;
    // The pointer moved over the control, in host coordinates; (-1, -1) when it left.
    std::function<void(Component&, POINT)> On_Mouse_Move;
    // Draws a Painted control into the host's paint buffer at rect (host coordinates).
    std::function<void(const Component&, HDC, const RECT&)> On_Paint;
    // A real control's notification (BN_CLICKED, CBN_SELCHANGE, ...), handled by the room
    // that made it.
    std::function<void(unsigned short notification)> On_Command;
    // Puts a real window at its bounds and font before it shows: its owner's layout passes
    // over hidden windows.
    std::function<void(const Component&)> Before_Show;

    // Changes after creation go through these, which repaint what changed. A real window
    // is moved by its owner, with its siblings in one batch.
    void Set_Bounds(int left, int top, int width, int height);
    void Set_Font_Points(int points);
    void Set_Caption(std::string_view caption);
    void Set_Fill(COLORREF colour);
    void Set_Text_Colour(COLORREF colour);
    void Set_Visible(bool visible);

    bool Is_Graphic() const
    {
        return Kind != Component_Kind::Non_Visual && Kind != Component_Kind::Windowed;
    }
    bool Is_Control() const { return Kind != Component_Kind::Non_Visual; }
};

// While one lives, changed components mark their host windows instead of repainting their
// own places; when the last ends, each marked window repaints once. For changes of many
// components at a time: a new layout, a new set of captions.
class Repaint_Batch {
public:
    Repaint_Batch();
    Repaint_Batch(const Repaint_Batch&) = delete;
    Repaint_Batch& operator=(const Repaint_Batch&) = delete;
    ~Repaint_Batch();
};

// A component for a real child window at its design bounds.
Component Windowed_Component(std::string_view name, Component* parent, HWND window, int left, int top, int width,
                             int height, const Font_Spec& font);

// One HFONT per distinct font and DPI, alive as long as the cache: a window may still
// show a font of the DPI it has just left.
class Font_Cache {
public:
    Font_Cache() = default;
    Font_Cache(const Font_Cache&) = delete;
    Font_Cache& operator=(const Font_Cache&) = delete;
    // The font at the DPI of the cache's window.
    HFONT Get(const Font_Spec& wanted) { return Get(wanted, dpi_); }
    HFONT Get(const Font_Spec& wanted, int dpi);
    void Set_Dpi(int dpi) { dpi_ = dpi; }
    int Dpi() const { return dpi_; }

private:
    int dpi_ = 96;
    std::map<std::tuple<std::wstring, int, bool, bool, int>, Font_Handle> fonts_;
};

class Component_List {
public:
    Component& Add(Component component);
    // The component of that design name, or null. For tests: the program holds the
    // components it uses.
    Component* Find(std::string_view name) const;
    Component& At(std::size_t index) const { return *components_[index]; }
    std::size_t Count() const { return components_.size(); }

    // The window that paints a component: its own, or the nearest windowed ancestor's.
    static HWND Host_Of(const Component& component);
    // Bounds in the host window's client coordinates.
    static RECT Host_Rect(const Component& component);
    // Visible itself and inside visible graphic parents.
    static bool Shows(const Component& component);

    // Whether any showing graphic control hosted by window meets area.
    bool Paints_In(HWND host, const RECT& area) const;
    // Paints every showing graphic control hosted by window that meets area.
    void Paint(HWND host, HDC dc, const RECT& area, Font_Cache& fonts) const;
    // The topmost showing graphic control under point (host coordinates) that takes
    // mouse presses, or null.
    Component* Mouse_Target(HWND host, POINT point) const;
    // The topmost showing graphic control under point that follows the pointer, or null.
    Component* Hover_Target(HWND host, POINT point) const;

    // The cursor of the topmost showing graphic control under point that has one, or null.
    HCURSOR Cursor_At(HWND host, POINT point) const;
    // Moves a component to the start of the list: painted first, below every other.
    void Send_To_Back(const Component& component);
    // Runs the own command of the control whose window is control; false when it has none.
    bool Run_Command(HWND control, unsigned short notification) const;

    // Sizes a label to its caption in its font, and marks it to be kept so.
    static void Fit_To_Caption(Component& label, Font_Cache& fonts);
    // The same, measured on dc, for many labels in a row.
    static void Fit_To_Caption(Component& label, Font_Cache& fonts, HDC dc);
    // Repaints the component's place in its host.
    static void Invalidate(const Component& component);

private:
    std::vector<std::unique_ptr<Component>> components_;
};

}  // namespace halvorn
