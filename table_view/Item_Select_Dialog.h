// The list selection dialog used by the element search commands. It knows nothing of
// elements: it shows a list and gives back the index chosen, or -1.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Form_Window.h"
#include "table_view/Table_Navigation.h"

namespace halvorn {

class TDialog_Item_Select_Form : public Form_Window {
public:
    // Sets the window up; it is made, hidden, when first wanted.
    void Create(HWND owner);

    HWND Item_ListBox() const { return List(); }
    // Empties the list and sets whether it keeps its entries in alphabetical order.
    void Clear_Items(bool sorted);
    void Add_Item(std::string_view text);
    std::string Item_Text(int index) const;

    // Shows the dialog modally over owner; returns when it has closed.
    void Show_Modal(HWND owner);
    // Selected_Item_SpinEdit: the index chosen, or -1.
    int Selected_Item() const { return selected_item_; }

    void FormShow();
    void FormActivate();
    void OK_ButtonClick();
    void Cancel_ButtonClick();

protected:
    LRESULT Handle_Message(UINT message, WPARAM w, LPARAM l) override;

private:
    void Make(HWND owner);
    HWND List() const;
    // Typing selects the entry that begins with the letters typed in quick succession.
    static LRESULT CALLBACK List_Procedure(HWND list, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self);
    void Typed(char typed);
    void Close_Dialog();
    void Set_Selected_Item(int index);

    Component* Sorted_Label_ = nullptr;
    HWND list_ = nullptr;
    std::vector<std::wstring> items_;  // the list's entries, in its order
    bool sorted_ = true;
    Type_Ahead typed_;
    int selected_item_ = 0;
};

// The last selected entry of a list, scanning from the first, or -1.
int Selected_Index_Of(HWND list);

}  // namespace halvorn
