// The wallpaper style dialog (centred, tiled or stretched).
#pragma once

#include "platform/Form_Window.h"

namespace halvorn {

class TDialog_WallPaper_Style_Form : public Form_Window {
public:
    void Create(HWND owner);
};

}  // namespace halvorn
