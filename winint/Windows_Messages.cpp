#include "winint/Windows_Messages.h"

#include "platform/Seams.h"
#include "platform/Win_Text.h"

namespace halvorn {

Message_Answer Windows_Messages::Show(const std::wstring& text, Message_Icon icon, Message_Buttons buttons)
{
    UINT flags = buttons == Message_Buttons::Yes_No ? MB_YESNO : MB_OK;
    switch (icon) {
    case Message_Icon::Information:
        flags |= MB_ICONINFORMATION;
        break;
    case Message_Icon::Error:
        flags |= MB_ICONERROR;
        break;
    case Message_Icon::Warning:
        flags |= MB_ICONWARNING;
        break;
    }
    switch (Show_Message_Box(owner_, text, Widen(Application_Title()), flags)) {
    case IDYES:
        return Message_Answer::Yes;
    case IDNO:
        return Message_Answer::No;
    default:
        return Message_Answer::Ok;
    }
}

}  // namespace halvorn
