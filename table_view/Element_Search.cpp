#include "table_view/Element_Search.h"

#include "report/Report_Window.h"
#include "table_view/Item_Select_Dialog.h"

namespace halvorn {

void Element_Search::Select_Element_by_Abbreviation_BitBtnClick()
{
    Search_Elements([](const Element_Record& record) -> const std::string& { return record.Element_Abbreviation; });
}

void Element_Search::Select_Element_by_Name_BitBtnClick()
{
    Search_Elements([](const Element_Record& record) -> const std::string& { return record.Element_Name; });
}

void Element_Search::Search_Elements(const std::string& (*field)(const Element_Record&))
{
    dialog_.Clear_Items(true);
    for (int n = 1; n <= Number_of_Elements; ++n) dialog_.Add_Item(field(Elements[n]));
    dialog_.Show_Modal(owner_);
    const int chosen = dialog_.Selected_Item();
    if (chosen < 0) return;
    const std::string text = dialog_.Item_Text(chosen);
    int match = 0;
    for (int n = 1; n <= Number_of_Elements; ++n)
        if (field(Elements[n]) == text) match = n;  // the last match wins
    if (match > 0) Show_Element_Report(report_, match);
}

}  // namespace halvorn
