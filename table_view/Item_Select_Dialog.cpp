#include "table_view/Item_Select_Dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "resources/Resource_Ids.h"

namespace halvorn {

namespace {
// OK is the default button, so Enter in the list chooses the entry; Escape is the
// runner's.
enum : int { OK_Button_Id = IDOK, Item_ListBox_Id = 101, Cancel_Button_Id };
const Font_Spec Dialog_Font{L"MS Sans Serif", Font_Spec::Points_From_Height(10)};
const Font_Spec Button_Font{L"MS Sans Serif", Font_Spec::Points_From_Height(11)};
constexpr UINT_PTR List_Subclass_Id = 1;
}  // namespace

int Selected_Index_Of(HWND list)
{
    int selected = -1;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) selected = i;
    return selected;
}

void TDialog_Item_Select_Form::Create(HWND owner)
{
    Make_On_First_Use([this, owner] { Make(owner); });
}

void TDialog_Item_Select_Form::Make(HWND owner)
{
    Create_Form("Dialog_Item_Select_Form", 255, 164, 364, 321, Form_Border::Dialog, owner);
    Sorted_Label_ =
        &Add_Label("Sorted_Label", nullptr, "(The list is sorted alphabetically)", 13, 3, 0, 0, Dialog_Font);
    Component_List::Fit_To_Caption(*Sorted_Label_, Fonts());
    // Whether the list is sorted is chosen per use, which a list control's style cannot
    // follow; Add_Item places the entries in the platform's alphabetical order instead.
    list_ = Create_Child_Control(Handle(),
                                 {.Class_Name = L"LISTBOX",
                                  .Style = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                  .Ex_Style = WS_EX_CLIENTEDGE,
                                  .Left = 3, .Top = 20, .Width = 354, .Height = 270,
                                  .Id = Item_ListBox_Id,
                                  .Font = Fonts().Get(Dialog_Font)},
                                 "the item list");
    SendMessageW(list_, LB_SETITEMHEIGHT, 0, Scaled(13));
    Add_Window("Item_ListBox", list_, 3, 20, 354, 270, Dialog_Font);
    if (!SetWindowSubclass(list_, List_Procedure, List_Subclass_Id, reinterpret_cast<DWORD_PTR>(this)))
        throw std::runtime_error("Cannot take the item list's keys");
    Component& ok = Add_Button("OK_Button", "OK", 91, 293, 85, 26, Button_Font, OK_Button_Id, IDB_GLYPH_OK,
                               "Exit and use the selected item");
    SendMessageW(ok.Window, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
    Add_Button("Cancel_Button", "Cancel", 187, 293, 85, 26, Button_Font, Cancel_Button_Id, IDB_GLYPH_CANCEL,
               "Exit without selecting an item");
}

HWND TDialog_Item_Select_Form::List() const
{
    Handle();  // the list is made with the window
    return list_;
}

void TDialog_Item_Select_Form::Clear_Items(bool sorted)
{
    SendMessageW(List(), LB_RESETCONTENT, 0, 0);
    items_.clear();
    typed_.Clear();
    sorted_ = sorted;
}

void TDialog_Item_Select_Form::Add_Item(std::string_view text)
{
    std::wstring item = Widen(text);
    auto place = items_.end();
    if (sorted_) {
        // The platform's alphabetical order, as a sorted list control keeps it.
        place = std::upper_bound(items_.begin(), items_.end(), item, [](const std::wstring& a, const std::wstring& b) {
            return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
        });
    }
    const auto index = static_cast<WPARAM>(place - items_.begin());
    SendMessageW(List(), LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(item.c_str()));
    items_.insert(place, std::move(item));
}

std::string TDialog_Item_Select_Form::Item_Text(int index) const
{
    std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(SendMessageW(List(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0), 0)), L'\0');
    SendMessageW(List(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return Narrow(text);
}

LRESULT CALLBACK TDialog_Item_Select_Form::List_Procedure(HWND list, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                                          DWORD_PTR self)
{
    if (message == WM_NCDESTROY) RemoveWindowSubclass(list, List_Procedure, List_Subclass_Id);
    if (message == WM_CHAR && w > L' ' && w < 0x80) {
        Run_Guarded(list, [&] { reinterpret_cast<TDialog_Item_Select_Form*>(self)->Typed(static_cast<char>(w)); });
        return 0;
    }
    return DefSubclassProc(list, message, w, l);
}

void TDialog_Item_Select_Form::Typed(char typed)
{
    // All the letters typed in quick succession, as the table's own type-ahead takes them.
    const std::string text = typed_.Add(typed, static_cast<std::uint32_t>(GetMessageTime()));
    std::vector<std::string> narrow;
    for (const std::wstring& item : items_) narrow.push_back(Narrow(item));
    const std::vector<std::string_view> entries(narrow.begin(), narrow.end());
    const int found = Find_Typed_Text(entries, text, static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0)));
    if (found >= 0) SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

void TDialog_Item_Select_Form::Set_Selected_Item(int index) { selected_item_ = std::clamp(index, -1, 99999); }

void TDialog_Item_Select_Form::FormShow()
{
    Handle();
    Sorted_Label_->Set_Caption(sorted_ ? "(The list is sorted alphabetically)" : "(The list is not sorted)");
    Component_List::Fit_To_Caption(*Sorted_Label_, Fonts());
}

void TDialog_Item_Select_Form::FormActivate() { Set_Selected_Item(-1); }

void TDialog_Item_Select_Form::OK_ButtonClick()
{
    const int index = Selected_Index_Of(List());
    Set_Selected_Item(index);
    if (index >= 0) {
        Close_Dialog();
    } else {
        Show_Message_Box(Handle(), "You need to select an item in the list !", "Information", MB_OK | MB_ICONINFORMATION);
    }
}

void TDialog_Item_Select_Form::Cancel_ButtonClick()
{
    Set_Selected_Item(-1);
    Close_Dialog();
}

void TDialog_Item_Select_Form::Close_Dialog() { Modal_.End(Modal_Result::Ok); }

void TDialog_Item_Select_Form::Show_Modal(HWND owner)
{
    FormShow();
    Set_Selected_Item(-1);
    Modal_.On_Cancel = [this] { Cancel_ButtonClick(); };
    Modal_.Run(Handle(), owner, List());
}

LRESULT TDialog_Item_Select_Form::Handle_Message(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(w) != WA_INACTIVE) FormActivate();
        break;
    case WM_COMMAND:
        switch (LOWORD(w)) {
        case OK_Button_Id:
            OK_ButtonClick();
            break;
        case Cancel_Button_Id:
            Cancel_ButtonClick();
            break;
        case Item_ListBox_Id:
            if (HIWORD(w) == LBN_DBLCLK) OK_ButtonClick();
            break;
        default:
            break;
        }
        return 0;
    default:
        break;
    }
    return Form_Window::Handle_Message(message, w, l);
}

}  // namespace halvorn
