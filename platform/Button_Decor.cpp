#include "platform/Button_Decor.h"

#include <stdexcept>
#include <string>

#include "platform/Win_Text.h"

namespace halvorn {

void Button_Decor::Set_Glyph(HWND button, int glyph_resource, bool centred)
{
    auto& images = images_[glyph_resource];
    if (!images)
        images.Reset(ImageList_LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(glyph_resource), 16, 0,
                                          RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION));
    if (!images) return;
    BUTTON_IMAGELIST list{images.Get(), {4, 0, 2, 0},
                          static_cast<UINT>(centred ? BUTTON_IMAGELIST_ALIGN_CENTER : BUTTON_IMAGELIST_ALIGN_LEFT)};
    SendMessageW(button, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list));
}

void Button_Decor::Set_Tooltip(HWND owner, HWND button, std::string_view hint)
{
    if (!tooltip_) {
        tooltip_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                       GetModuleHandleW(nullptr), nullptr));
        if (!tooltip_) throw std::runtime_error("Cannot create a tooltip window");
    }
    std::wstring tip = Widen(hint);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(button);
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = tip.data();
    SendMessageW(tooltip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND Create_Push_Button(HWND parent, std::string_view caption, int left, int top, int width, int height,
                        HFONT font, int id)
{
    HWND button = CreateWindowExW(0, L"BUTTON", Widen(caption).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                  left, top, width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleW(nullptr), nullptr);
    if (!button) throw std::runtime_error("Cannot create the button \"" + std::string(caption) + "\"");
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return button;
}

}  // namespace halvorn
