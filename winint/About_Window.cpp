#include "winint/About_Window.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <stdexcept>
#include <utility>

#include "platform/Gdiplus_Session.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "resources/Resource_Ids.h"
#include "winint/About_Texts.h"
#include "winint/Document_Texts.h"

namespace halvorn {

namespace {

enum : int { OKButton_Id = IDOK, Email_Button_Id = 101, Web_Button_Id };
enum : UINT_PTR { Email_Tool = 1, Web_Tool };
// Runs the activation when the window is shown but the system gives it no activation.
constexpr UINT Activate_If_Pending = WM_APP + 1;

const Font_Spec Form_Font{L"System", Font_Spec::Points_From_Height(13)};
const Font_Spec Label_Font{L"Times New Roman", Font_Spec::Points_From_Height(15)};
const Font_Spec Title_Font{L"Times New Roman", Font_Spec::Points_From_Height(15), true};
const Font_Spec Link_Font{L"Times New Roman", Font_Spec::Points_From_Height(16), true, true};
const Font_Spec Button_Font{L"MS Sans Serif", 8};
const Font_Spec OK_Font{L"MS Sans Serif", Font_Spec::Points_From_Height(16), true};
constexpr COLORREF Link_Colour = RGB(0, 0, 255);

Shell_Open_Hook shell_open_hook;

Component Graphic(std::string_view name, Component_Kind kind, Component* parent, int left, int top, int width,
                  int height)
{
    Component component;
    component.Name = name;
    component.Kind = kind;
    component.Parent = parent;
    component.Left = left, component.Top = top, component.Width = width, component.Height = height;
    component.Font = Form_Font;
    component.Text_Colour = GetSysColor(COLOR_WINDOWTEXT);
    return component;
}

void Draw_Bitmap(HDC dc, HBITMAP bitmap, const RECT& rect)
{
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return;
    Memory_Dc source(dc);
    Selected_Object chosen(source.Get(), bitmap);
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source.Get(), 0, 0,
               info.bmWidth, info.bmHeight, SRCCOPY);
}

}  // namespace

void Shell_Open(HWND owner, std::wstring_view text)
{
    if (text.empty()) return;
    if (shell_open_hook) {
        shell_open_hook(std::wstring(text));
        return;
    }
    ShellExecuteW(owner, L"open", std::wstring(text).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Set_Shell_Open_Hook(Shell_Open_Hook hook) { shell_open_hook = std::move(hook); }

void TAboutBox::Create(HWND owner)
{
    Make_On_First_Use([this, owner] { Make(owner); });
}

void TAboutBox::Make(HWND owner)
{
    Create_Form("AboutBox", -1, -1, 592, 354, Form_Border::Dialog_Without_Buttons, owner);
    Form_->Font = Form_Font;

    // The banner's box comes first, so that the main box's top edge is drawn over the
    // banner's foot where the two meet.
    Component& banner_box = Add_Component(Graphic("GroupBox2", Component_Kind::Frame, Form_, 0, -4, 589, 65));
    Component& banner =
        Add_Component(Graphic("Tandrel_Logo_Banner_Image", Component_Kind::Painted, &banner_box, 1, 0, 600, 70));
    Tandrel_Logo_Banner_Image_ = &banner;
    banner.On_Paint = [this](const Component& picture, HDC dc, const RECT& rect) {
        // The picture is wider and taller than its box, which cuts it off.
        const RECT box = Component_List::Host_Rect(*picture.Parent);
        IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
        Draw_Bitmap(dc, banner_.Get(), rect);
    };
    banner.On_Mouse_Down = [this](Component&) { WEB_ButtonClick(); };

    group_ = &Add_Component(Graphic("GroupBox1", Component_Kind::Frame, Form_, 0, 52, 589, 301));
    ProductName_ = &Add_Label("ProductName", group_, "ProductName", 205, 16, 380, 18, Title_Font);
    Author_and_Date_ = &Add_Label("Author_and_Date", group_, "Author_and_Date", 205, 45, 380, 18, Title_Font);
    Developed_using_ = &Add_Label("Developed_using", group_, "Developed_using", 205, 74, 380, 18, Label_Font);
    Copyright_ = &Add_Label("Copyright", group_, "Copyright", 205, 103, 380, 18, Label_Font);
    Comments_ = &Add_Label("Comments", group_, "Comments", 205, 162, 380, 18, Label_Font);
    WEB_Page_Label_ = &Add_Label("WEB_Page_Label", group_, "WEB_Page_Label", 205, 191, 380, 18, Label_Font);
    Component_List::Fit_To_Caption(
        Add_Label("Label3", group_, "Free System Resources :", 207, 220, 0, 0, Form_Font), Fonts());
    Label4_ = &Add_Label("Label4", group_, "Free %", 375, 220, 0, 0, Form_Font);
    Component_List::Fit_To_Caption(*Label4_, Fonts());

    logo_component_ =
        &Add_Component(Graphic("Tandrel_Logo_GIFImage", Component_Kind::Painted, group_, 12, 16, 173, 165));
    logo_component_->On_Paint = [this](const Component&, HDC dc, const RECT& rect) {
        if (logo_) logo_->Draw(dc, rect);
    };
    logo_component_->On_Mouse_Down = [this](Component&) { WEB_ButtonClick(); };
    Bevel1_ = &Add_Component(Graphic("Bevel1", Component_Kind::Bevel, group_, 5, 14, 184, 167));

    Quote_From_Tandrel_Label_ = &Add_Label("Quote_From_Tandrel_Label", group_, "", 8, 184, 181, 113, Label_Font);
    Quote_From_Tandrel_Label_->Text_Format = DT_CENTER | DT_TOP | DT_WORDBREAK;
    quotes_ = Tandrel_Quotes();

    const auto add_link = [this](std::string_view name, int top, void (TAboutBox::*click)()) -> Component& {
        Component& link = Add_Label(name, group_, name, 424, top, 0, 0, Link_Font);
        link.Text_Colour = Link_Colour;
        Component_List::Fit_To_Caption(link, Fonts());
        link.On_Mouse_Down = [this, click](Component&) { (this->*click)(); };
        return link;
    };
    WEB_Address_Label_ = &add_link("WEB_Address_Label", 104, &TAboutBox::WEB_ButtonClick);
    Email_Address_Label_ = &add_link("Email_Address_Label", 136, &TAboutBox::Email_ButtonClick);

    const int group_top = group_->Design.Top;
    Email_Button_ =
        &Add_Button("Email_Button", "Email_Button", 416, group_top + 160, 169, 23, Button_Font, Email_Button_Id);
    WEB_Button_ = &Add_Button("WEB_Button", "WEB_Button", 416, group_top + 189, 169, 23, Button_Font, Web_Button_Id);
    ok_button_ = Add_Button("OKButton", "OK", 245, group_top + 252, 100, 37, OK_Font, OKButton_Id, IDB_GLYPH_OK).Window;

    tooltip_.Create(Handle());
}

void TAboutBox::Load_Pictures()
{
    if (logo_) return;
    Handle();  // the logo's component is made with the window
    logo_ = std::make_unique<Gif_Animation>(IDR_TANDREL_LOGO, GetSysColor(COLOR_BTNFACE));
    logo_->On_Frame_Change = [this] { Component_List::Invalidate(*logo_component_); };
    const Resource_Image banner(Resource_Data(IDR_TANDREL_BANNER));
    banner_.Reset(banner.To_Bitmap(GetSysColor(COLOR_BTNFACE)));
}

Gif_Animation& TAboutBox::Tandrel_Logo()
{
    Load_Pictures();
    return *logo_;
}

void TAboutBox::Show_Modal(HWND owner)
{
    Load_Pictures();
    activation_pending_ = true;
    PostMessageW(Handle(), Activate_If_Pending, 0, 0);
    // Escape reaches the window first once key preview is on.
    Modal_.On_Cancel = [this] {
        if (key_preview_) FormKeyDown(VK_ESCAPE);
    };
    Modal_.Run(Handle(), owner, ok_button_);
}

void TAboutBox::FormActivate()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    random_.seed(static_cast<std::mt19937::result_type>(now.QuadPart));

    SetTimer(Handle(), Quote_Change_Timer, Quote_Change_Interval, nullptr);
    SetTimer(Handle(), Free_Resources_Timer, Free_Resources_Interval, nullptr);
    Tandrel_Logo().Start(Handle(), Logo_Animation_Timer);

    // Both show a value at once rather than after their first interval.
    Quote_Change_TimerTimer();
    Free_Resources_TimerTimer();

    Email_Button_->Hint = "Click to send an E-Mail to Tandrel.";
    WEB_Button_->Hint = "Click to visit Tandrel's WEB Page.";
    Email_Button_->Set_Visible(false);
    WEB_Button_->Set_Visible(false);

    Show_Links();

    const HCURSOR hand = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));
    for (Component* pointing :
         {Email_Address_Label_, WEB_Address_Label_, logo_component_, Tandrel_Logo_Banner_Image_, Bevel1_})
        pointing->Cursor = hand;
    Components().Send_To_Back(*Bevel1_);

    key_preview_ = true;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TAboutBox::Show_Links()
{
    // The links show the addresses where the buttons were.
    Copy_Button_To_Label(*Email_Button_, *Email_Address_Label_, Email_Tool);
    Copy_Button_To_Label(*WEB_Button_, *WEB_Address_Label_, Web_Tool);
}

void TAboutBox::Copy_Button_To_Label(const Component& button, Component& label, UINT_PTR tool_id)
{
    label.Hint = button.Hint;
    // The button stands on the form, the label in the box that holds both in the design.
    label.Set_Bounds(label.Left, button.Top - group_->Top, label.Width, label.Height);
    label.Design.Top = button.Design.Top - group_->Design.Top;
    label.Set_Caption(button.Caption);
    Component_List::Fit_To_Caption(label, Fonts());

    std::wstring hint = Widen(label.Hint);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = tool_id;
    tool.rect = Component_List::Host_Rect(label);
    tool.lpszText = hint.data();
    tooltip_.Send(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    tooltip_.Send(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TAboutBox::OKButtonClick()
{
    KillTimer(Handle(), Quote_Change_Timer);
    KillTimer(Handle(), Free_Resources_Timer);
    if (logo_) logo_->Stop();
    if (Modal_.Running()) Modal_.End(Modal_Result::Ok);
    else ShowWindow(Handle(), SW_HIDE);
}

void TAboutBox::FormKeyDown(WPARAM key)
{
    if (key == VK_ESCAPE) OKButtonClick();
}

void TAboutBox::Quote_Change_TimerTimer()
{
    if (quotes_.empty()) return;
    // The same quote may well come twice in a row.
    std::uniform_int_distribution<std::size_t> pick(0, quotes_.size() - 1);
    Quote_From_Tandrel_Label_->Set_Caption(quotes_[pick(random_)]);
}

void TAboutBox::Free_Resources_TimerTimer()
{
    MEMORYSTATUS memory{};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatus(&memory);
    const std::string text = Free_Memory_Percent_Text(
        {memory.dwMemoryLoad, memory.dwTotalPhys, memory.dwAvailPhys, memory.dwTotalPageFile, memory.dwAvailPageFile});
    if (Label4_->Caption == text) return;
    Label4_->Set_Caption(text);
    Component_List::Fit_To_Caption(*Label4_, Fonts());
}

void TAboutBox::WEB_ButtonClick()
{
    Handle();
    Shell_Open(GetWindow(Handle(), GW_OWNER), Widen(WEB_Button_->Caption));
}

void TAboutBox::Email_ButtonClick()
{
    Handle();
    Shell_Open(GetWindow(Handle(), GW_OWNER),
               Mailto_Text(Widen(Email_Button_->Caption), File_Name_Of(Executable_Path())));
}

bool TAboutBox::Set_Cursor()
{
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(Handle(), &point);
    const HCURSOR cursor = Components().Cursor_At(Handle(), point);
    if (cursor) SetCursor(cursor);
    return cursor != nullptr;
}

LRESULT TAboutBox::Handle_Message(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(w) == WA_INACTIVE) break;
        [[fallthrough]];
    case Activate_If_Pending:
        if (activation_pending_) {
            activation_pending_ = false;
            FormActivate();
        }
        if (message == Activate_If_Pending) return 0;
        break;
    case WM_TIMER:
        if (w == Quote_Change_Timer) Quote_Change_TimerTimer();
        else if (w == Free_Resources_Timer) Free_Resources_TimerTimer();
        else if (w == Logo_Animation_Timer && logo_) logo_->On_Timer();
        return 0;
    case WM_COMMAND:
        switch (LOWORD(w)) {
        case OKButton_Id:
            OKButtonClick();
            break;
        case Email_Button_Id:
            Email_ButtonClick();
            break;
        case Web_Button_Id:
            WEB_ButtonClick();
            break;
        default:
            break;
        }
        return 0;
    case WM_KEYDOWN:
        if (key_preview_) FormKeyDown(w);
        return 0;
    case WM_CLOSE:
        // No title-bar buttons, but the system's close keys end it as OK does.
        OKButtonClick();
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(w) == Handle() && LOWORD(l) == HTCLIENT && Set_Cursor()) return TRUE;
        break;
    case WM_DPICHANGED: {
        const LRESULT result = Form_Window::Handle_Message(message, w, l);
        // The links were laid out again from the hidden buttons' design: their tips follow.
        if (IsWindowVisible(Handle())) Show_Links();
        return result;
    }
    default:
        break;
    }
    return Form_Window::Handle_Message(message, w, l);
}

void TAboutBox::Show_Texts(const Program_Texts& texts)
{
    When_Made([this, texts] {
        Set_Window_Text(Handle(), texts.About_Caption);
        ProductName_->Set_Caption(texts.Product_Name);
        Author_and_Date_->Set_Caption(texts.Author_and_Date);
        Developed_using_->Set_Caption(texts.Developed_Using);
        Copyright_->Set_Caption(texts.Copyright);
        Comments_->Set_Caption(texts.Comments);
        WEB_Page_Label_->Set_Caption(texts.Web_Page_Label);
        Email_Button_->Set_Caption(texts.Email_Address);
        WEB_Button_->Set_Caption(texts.Web_Address);
    });
}

}  // namespace halvorn
