#include "platform/Button_Decor.h"

#include <string>

#include "platform/Dpi.h"
#include "platform/Win_Text.h"
#include "resources/Resource_Ids.h"

namespace halvorn {

namespace {

// The resource of a glyph's drawing at side pixels: its 16-pixel drawing's id plus the side's offset.
int Glyph_Resource(int resource, int side)
{
    switch (side) {
    case 20: return resource + IDB_GLYPH_20;
    case 24: return resource + IDB_GLYPH_24;
    case 32: return resource + IDB_GLYPH_32;
    default: return resource;
    }
}

}  // namespace

void Button_Decor::Set_Glyph(HWND button, int glyph_resource, bool centred)
{
    glyphs_.push_back({button, glyph_resource, centred});
    Show_Glyph(glyphs_.back());
}

void Button_Decor::Set_Dpi(int dpi)
{
    if (dpi == dpi_) return;
    dpi_ = dpi;
    for (const Glyph_Use& use : glyphs_) Show_Glyph(use);
}

void Button_Decor::Show_Glyph(const Glyph_Use& use)
{
    // Drawn for the size rather than stretched, so that the glyph stays sharp.
    const int side = Glyph_Size(dpi_);
    auto& images = images_[{use.Resource, side}];
    const int resource = Glyph_Resource(use.Resource, side);
    if (!images)
        images.Reset(ImageList_LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), side, 0,
                                          RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION));
    if (!images) return;
    const UINT align = use.Centred ? BUTTON_IMAGELIST_ALIGN_CENTER : BUTTON_IMAGELIST_ALIGN_LEFT;
    BUTTON_IMAGELIST list{images.Get(), {Dpi_Scaled(4, dpi_), 0, Dpi_Scaled(2, dpi_), 0}, align};
    SendMessageW(use.Button, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list));
}

void Button_Decor::Set_Tooltip(HWND owner, HWND button, std::string_view hint)
{
    if (!tooltip_.Create(owner)) return;
    std::wstring tip = Widen(hint);
    TOOLINFOW tool{};
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(button);
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = tip.data();
    tooltip_.Add_Tool(tool);
}

}  // namespace halvorn
