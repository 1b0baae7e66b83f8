#include "export/Wallpaper_Style_Dialog.h"

#include <string>
#include <utility>

#include "export/Desktop_Wallpaper.h"
#include "platform/Dpi.h"
#include "platform/Gdi_Owners.h"
#include "resources/Resource_Ids.h"
#include "winint/Windows_Messages.h"

namespace halvorn {

namespace {

// OK is the default button, so Enter on an item confirms it.
enum : int { OK_BitBtn_Id = IDOK, Cancel_BitBtn_Id = IDCANCEL, First_Item_Id = 101 };

const Font_Spec Group_Font{L"Times New Roman", Font_Spec::Points_From_Height(15), true};
const Font_Spec Button_Font{L"MS Sans Serif", Font_Spec::Points_From_Height(11)};
constexpr RECT Group_Bounds{4, 4, 4 + 169, 4 + 99};

void Add_Style(HWND window, LONG_PTR style, bool on)
{
    const LONG_PTR now = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, on ? now | style : now & ~style);
}

}  // namespace

void TDialog_WallPaper_Style_Form::Create(HWND owner)
{
    set_wallpaper_ = Apply_System_Wallpaper;
    Make_On_First_Use([this, owner] { Make(owner); });
}

void TDialog_WallPaper_Style_Form::Make(HWND owner)
{
    Create_Form("", 366, 118, 178, 132, Form_Border::Dialog, owner);
    Create_Radio_Group();
    Component& ok = Add_Button("OK_BitBtn", "OK", 13, 106, 75, 25, Button_Font, OK_BitBtn_Id, IDB_GLYPH_OK);
    // OK ends the group of items, so the arrows stay among them.
    Add_Style(ok.Window, WS_GROUP, true);
    SendMessageW(ok.Window, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
    Add_Button("Cancel_BitBtn", "Cancel", 89, 106, 75, 25, Button_Font, Cancel_BitBtn_Id, IDB_GLYPH_CANCEL);
    Set_Item_Index(0);
}

void TDialog_WallPaper_Style_Form::Create_Radio_Group()
{
    Component group;
    group.Name = "Wallpaper_Style_RadioGroup";
    group.Kind = Component_Kind::Frame;
    group.Parent = Form_;
    group.Left = Group_Bounds.left, group.Top = Group_Bounds.top;
    group.Width = Group_Bounds.right - Group_Bounds.left, group.Height = Group_Bounds.bottom - Group_Bounds.top;
    group.Font = Group_Font;
    group.Caption = " Wallpaper Style : ";
    Add_Component(std::move(group));

    // The items share the space below the caption's line in equal rows, as a radio
    // group lays them out; in design measures, like every bound given to the window.
    TEXTMETRICW metrics{};
    {
        Window_Dc screen(nullptr);
        Selected_Object chosen(screen.Get(), Fonts().Get(Group_Font, Design_Dpi));
        GetTextMetricsW(screen.Get(), &metrics);
    }
    const int count = static_cast<int>(items_.size());
    const int group_height = Group_Bounds.bottom - Group_Bounds.top;
    const int space = group_height - metrics.tmHeight - 5;
    const int row = space / count;
    const int top_margin = metrics.tmHeight + 1 + (space % count) / 2;
    const int width = Group_Bounds.right - Group_Bounds.left - 10;
    for (int i = 0; i < count; ++i) {
        const Wallpaper_Style& style = Wallpaper_Styles[static_cast<std::size_t>(i)];
        const int left = Group_Bounds.left + 8, top = Group_Bounds.top + top_margin + i * row;
        DWORD window_style = WS_VISIBLE | BS_AUTORADIOBUTTON;
        if (i == 0) window_style |= WS_GROUP | WS_TABSTOP;
        const HWND item = Create_Child_Control(Handle(),
                                               {.Class_Name = L"BUTTON",
                                                .Style = window_style,
                                                .Caption = style.Item,
                                                .Left = left, .Top = top, .Width = width, .Height = row,
                                                .Id = First_Item_Id + i,
                                                .Font = Fonts().Get(Group_Font)},
                                               "the wallpaper style buttons");
        Add_Window("Wallpaper_Style_Item" + std::to_string(i), item, left, top, width, row, Group_Font);
        items_[static_cast<std::size_t>(i)] = item;
    }
}

void TDialog_WallPaper_Style_Form::Use(Registry& registry, System_Wallpaper_Call set_wallpaper)
{
    registry_ = &registry;
    set_wallpaper_ = std::move(set_wallpaper);
}

int TDialog_WallPaper_Style_Form::Item_Index() const
{
    Handle();  // the items are made with the window
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (SendMessageW(items_[i], BM_GETCHECK, 0, 0) == BST_CHECKED) return static_cast<int>(i);
    return -1;
}

void TDialog_WallPaper_Style_Form::Set_Item_Index(int index)
{
    Handle();
    for (std::size_t i = 0; i < items_.size(); ++i)
        SendMessageW(items_[i], BM_SETCHECK, static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED, 0);
    Update_Tab_Stop();
}

void TDialog_WallPaper_Style_Form::Update_Tab_Stop()
{
    const int checked = Item_Index();
    for (std::size_t i = 0; i < items_.size(); ++i)
        Add_Style(items_[i], WS_TABSTOP, static_cast<int>(i) == (checked < 0 ? 0 : checked));
}

Modal_Result TDialog_WallPaper_Style_Form::Show_Modal(HWND owner)
{
    const int checked = Item_Index();
    return Modal_.Run(Handle(), owner, Item_Button(checked < 0 ? 0 : checked));
}

void TDialog_WallPaper_Style_Form::OK_BitBtnClick()
{
    // The dialog ends with OK whatever happens here, an error raised by the registry
    // included (that goes on to the general error box).
    struct Ending {
        Modal_Runner& Runner;
        ~Ending() { Runner.End(Modal_Result::Ok); }
    } ending{Modal_};
    Windows_Messages messages(Handle());
    if (!Apply_Wallpaper_Style(Item_Index(), *registry_, messages, set_wallpaper_))
        messages.Show(L"Error: The selected Wallpaper setting could not be applied.", Message_Icon::Information,
                      Message_Buttons::Ok);
}

void TDialog_WallPaper_Style_Form::Cancel_BitBtnClick() { Modal_.End(Modal_Result::Cancel); }

LRESULT TDialog_WallPaper_Style_Form::Handle_Message(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(w);
        if (id == OK_BitBtn_Id) {
            OK_BitBtnClick();
        } else if (id == Cancel_BitBtn_Id) {
            Cancel_BitBtnClick();
        } else if (id >= First_Item_Id && id < First_Item_Id + static_cast<int>(items_.size())) {
            if (HIWORD(w) == BN_CLICKED) Update_Tab_Stop();
        }
        return 0;
    }
    default:
        break;
    }
    return Form_Window::Handle_Message(message, w, l);
}

}  // namespace halvorn
