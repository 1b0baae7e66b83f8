#include "export/Wallpaper_Style_Dialog.h"

namespace halvorn {

void TDialog_WallPaper_Style_Form::Create(HWND owner)
{
    Create_Form("", 366, 118, 178, 132, Form_Border::Dialog, owner);
}

}  // namespace halvorn
