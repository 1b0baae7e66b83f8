// Picking an element by its symbol or its name from the item-select dialog, which opens
// its report.
#pragma once

#include <windows.h>

#include <string>

#include "elements/Element_Record.h"

namespace halvorn {

class TDialog_Item_Select_Form;
class TElement_Report_Form;

class Element_Search {
public:
    Element_Search(TDialog_Item_Select_Form& dialog, TElement_Report_Form& report, HWND owner)
        : dialog_(dialog), report_(report), owner_(owner) {}

    void Select_Element_by_Abbreviation_BitBtnClick();
    void Select_Element_by_Name_BitBtnClick();

private:
    void Search_Elements(const std::string& (*field)(const Element_Record&));

    TDialog_Item_Select_Form& dialog_;
    TElement_Report_Form& report_;
    HWND owner_;
};

}  // namespace halvorn
