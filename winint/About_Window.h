// The About window. It holds the program title and the fixed texts as captions of its
// labels and link buttons, where the report footer and other readers find them.
#pragma once

#include "platform/Form_Window.h"

namespace halvorn {

class TAboutBox : public Form_Window {
public:
    void Create(HWND owner);
};

}  // namespace halvorn
