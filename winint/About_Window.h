// The About window. It holds the program title and the fixed texts as captions of its
// labels and link buttons, where the report footer and other readers find them.
#pragma once

#include "app/Program_Texts.h"
#include "platform/Form_Window.h"

namespace halvorn {

class TAboutBox : public Form_Window {
public:
    void Create(HWND owner);
    // Shows the program title and the fixed texts in the window's labels and buttons.
    void Show_Texts(const Program_Texts& texts);
};

}  // namespace halvorn
