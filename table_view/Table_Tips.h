// The element's name on hover over its box; in a view other than the groups, its number,
// name and what the view shows of it ("26, Iron, solid at 300 K"). One tooltip window, made when the pointer first
// comes over the page, holds a tool rectangle per box and asks for the text when it shows,
// so that a rebuilt table shows the new names; the rectangles are checked against the
// boxes' places whenever the pointer moves over the page, so they follow every re-layout
// without being told of it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <span>
#include <string>
#include <vector>

#include "platform/Components.h"
#include "platform/Tooltip.h"
#include "table_view/Table_Views.h"

namespace halvorn {

class Table_Tips {
public:
    // boxes[n - 1] is element box n, painted by page; values adds the view's word on each.
    Table_Tips(HWND page, std::span<Component* const> boxes, const Box_Value_Source& values)
        : page_(page), boxes_(boxes), values_(values) {}

    // Null until the pointer has come over the page.
    HWND Window() const { return tooltip_.Window(); }
    // Hands a mouse message of the page on to the tooltip, the rectangles brought up to date.
    void Relay(UINT message, WPARAM w, LPARAM l);
    // Answers the tooltip's request for a box's text; false when the notification is not its.
    bool Notify(NMHDR& header);

private:
    void Create();
    void Follow_Layout();

    HWND page_;
    std::span<Component* const> boxes_;
    const Box_Value_Source& values_;
    Tooltip tooltip_;
    std::vector<RECT> rects_;  // as the tooltip has them; empty for a hidden box
    std::wstring text_;        // the text last handed out, alive while the tooltip reads it
    bool tried_ = false;       // the tooltip was made, or could not be
};

}  // namespace halvorn
