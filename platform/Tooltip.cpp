#include "platform/Tooltip.h"

namespace halvorn {

bool Tooltip::Create(HWND owner, DWORD style)
{
    if (!window_)
        window_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | style,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                      GetModuleHandleW(nullptr), nullptr));
    return static_cast<bool>(window_);
}

LRESULT Tooltip::Send(UINT message, WPARAM w, LPARAM l) const
{
    return window_ ? SendMessageW(window_.Get(), message, w, l) : 0;
}

void Tooltip::Add_Tool(TOOLINFOW tool) const
{
    tool.cbSize = sizeof tool;
    Send(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace halvorn
