#include "table_view/Item_Select_Dialog.h"

namespace halvorn {

void TDialog_Item_Select_Form::Create(HWND owner)
{
    Create_Form("Dialog_Item_Select_Form", 255, 164, 364, 321, Form_Border::Dialog, owner);
}

}  // namespace halvorn
