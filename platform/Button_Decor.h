// Tooltips and glyph pictures for a window's push buttons.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Tooltip.h"
#include "platform/Unique_Handle.h"

namespace halvorn {

class Button_Decor {
public:
    Button_Decor() = default;
    Button_Decor(const Button_Decor&) = delete;
    Button_Decor& operator=(const Button_Decor&) = delete;

    // The glyph (a bitmap resource on magenta, drawn at 16 x 16 and again for larger
    // screens) stands left of the caption, or alone when there is none, at the size drawn
    // for the buttons' DPI. Buttons with the same glyph share one image list.
    void Set_Glyph(HWND button, int glyph_resource, bool centred);
    // Shows every glyph at the size drawn for dpi, from now on.
    void Set_Dpi(int dpi);
    // The tooltip shown on hover; owner is the window the tooltip belongs to.
    void Set_Tooltip(HWND owner, HWND button, std::string_view hint);

private:
    struct Glyph_Use {
        HWND Button;
        int Resource;
        bool Centred;
    };
    void Show_Glyph(const Glyph_Use& use);

    int dpi_ = 96;
    std::vector<Glyph_Use> glyphs_;
    Tooltip tooltip_;
    // By resource and side; a button may still show the list of the DPI it has just left.
    std::map<std::pair<int, int>, Unique_Handle<HIMAGELIST, ImageList_Destroy>> images_;
};

}  // namespace halvorn
