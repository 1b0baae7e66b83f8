// The list selection dialog used by the element search commands.
#pragma once

#include "platform/Form_Window.h"

namespace halvorn {

class TDialog_Item_Select_Form : public Form_Window {
public:
    void Create(HWND owner);
};

}  // namespace halvorn
