// Messages to the user as message boxes over a window, titled like the program's error box.
#pragma once

#include <windows.h>

#include "winint/User_Messages.h"

namespace halvorn {

class Windows_Messages final : public User_Messages {
public:
    explicit Windows_Messages(HWND owner) : owner_(owner) {}
    Message_Answer Show(const std::wstring& text, Message_Icon icon, Message_Buttons buttons) override;
    // Fitted to half the width of the owner's monitor, in the font message boxes use.
    std::wstring Fit_Line(std::wstring_view line) override;

private:
    HWND owner_;
};

}  // namespace halvorn
