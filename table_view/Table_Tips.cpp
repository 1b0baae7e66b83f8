#include "table_view/Table_Tips.h"

#include "elements/Element_Record.h"
#include "platform/Win_Text.h"

namespace halvorn {

namespace {

RECT Place_Of(const Component& box)
{
    return Component_List::Shows(box) ? Component_List::Host_Rect(box) : RECT{};
}

TOOLINFOW Tool(HWND page, std::size_t index)
{
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = page;
    tool.uId = index + 1;  // the box's number
    return tool;
}

}  // namespace

void Table_Tips::Create()
{
    if (!tooltip_.Create(page_, TTS_NOPREFIX)) return;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        TOOLINFOW tool = Tool(page_, i);
        tool.rect = Place_Of(*boxes_[i]);
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        tooltip_.Send(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        rects_.push_back(tool.rect);
    }
}

void Table_Tips::Follow_Layout()
{
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const RECT place = Place_Of(*boxes_[i]);
        if (EqualRect(&place, &rects_[i])) continue;
        TOOLINFOW tool = Tool(page_, i);
        tool.rect = place;
        tooltip_.Send(TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        rects_[i] = place;
    }
}

void Table_Tips::Relay(UINT message, WPARAM w, LPARAM l)
{
    if (!tried_) {
        tried_ = true;
        Create();
    }
    if (!tooltip_) return;
    if (message == WM_MOUSEMOVE) Follow_Layout();
    MSG relayed{page_, message, w, l, static_cast<DWORD>(GetMessageTime()), {}};
    const DWORD at = GetMessagePos();
    relayed.pt = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    tooltip_.Send(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

bool Table_Tips::Notify(NMHDR& header)
{
    if (header.hwndFrom != tooltip_.Window() || header.code != TTN_GETDISPINFOW) return false;
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
    const auto number = static_cast<std::int32_t>(header.idFrom);
    // A box without an element row (hidden anyway) has nothing to say.
    text_.clear();
    if (number >= 1 && number <= Number_of_Elements) {
        const std::string value = values_.Box_Value(number);
        const std::string& name = Elements[number].Element_Name;
        text_ = Widen(value.empty() ? name : std::to_string(number) + ", " + name + ", " + value);
    }
    info.lpszText = text_.data();
    return true;
}

}  // namespace halvorn
