// A tooltip window. A tip is help the user can do without: a tooltip the platform will not
// make is no reason to stop a command or the program, so it is left unmade and every call
// on it does nothing.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "platform/Unique_Handle.h"

namespace halvorn {

class Tooltip {
public:
    // Makes the tooltip window, owned by owner, with style added to TTS_ALWAYSTIP; false
    // when the platform will not make it. A tooltip already made stays as it is.
    bool Create(HWND owner, DWORD style = 0);
    explicit operator bool() const { return static_cast<bool>(window_); }
    // Null while unmade.
    HWND Window() const { return window_.Get(); }
    // Sends a TTM_ message; 0 while unmade.
    LRESULT Send(UINT message, WPARAM w, LPARAM l) const;
    // Adds a tool, its cbSize filled in here.
    void Add_Tool(TOOLINFOW tool) const;

private:
    Unique_Handle<HWND, DestroyWindow> window_;
};

}  // namespace halvorn
