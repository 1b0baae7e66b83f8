#include "report/Molar_Mass_Window.h"

#include "elements/Chemical_Formula.h"
#include "platform/Clipboard_Session.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "resources/Resource_Ids.h"

namespace halvorn {

namespace {

enum : int { Formula_Edit_Id = 101, Calculate_Button_Id, Result_Edit_Id, Copy_Button_Id, Close_Button_Id };

const Font_Spec Form_Font{L"Times New Roman", Font_Spec::Points_From_Height(16)};
const Font_Spec Button_Font{L"Times New Roman", Font_Spec::Points_From_Height(15), true};
const Font_Spec Table_Font{L"Courier New", 10};
constexpr std::string_view Title = "Molar Mass Calculator";

// The box's formula as the reader takes it. A formula pasted from elsewhere may write its
// counts as subscripts and a charge as superscripts ("CuSO\u2084\u00B75H\u2082O",
// "Fe\u00B3\u207A"): they become digits, and a trailing charge "^3+". Every character keeps
// its place, so a fault's position is the box's.
std::string Formula_Text(HWND edit)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    const auto superscript = [](wchar_t c) -> wchar_t {
        switch (c) {
        case 0x00B9: return L'1';
        case 0x00B2: return L'2';
        case 0x00B3: return L'3';
        case 0x207A: return L'+';
        case 0x207B: return L'-';
        default: return c == 0x2070 || (c >= 0x2074 && c <= 0x2079) ? static_cast<wchar_t>(L'0' + (c - 0x2070)) : 0;
        }
    };
    std::size_t charge = text.size();
    while (charge > 0 && superscript(text[charge - 1])) --charge;
    for (std::size_t i = 0; i < text.size(); ++i) {
        wchar_t& c = text[i];
        if (c >= 0x2080 && c <= 0x2089) c = static_cast<wchar_t>(L'0' + (c - 0x2080));
        else if (c == 0x22C5 || c == 0x2219) c = 0x00B7;  // dot operators as the middle dot
        else if (i >= charge) c = superscript(c);
    }
    if (charge < text.size()) text.insert(charge, 1, L'^');
    return Narrow(text);
}

}  // namespace

void TMolar_Mass_Calculator_Form::Create(HWND owner)
{
    Make_On_First_Use([this, owner] { Make(owner); });
}

void TMolar_Mass_Calculator_Form::Make(HWND owner)
{
    Create_Form(Title, -1, -1, 470, 310, Form_Border::Dialog, owner);
    // Made in tab order. A real label gives the box its access key.
    Add_Window("Formula_Label",
               Create_Child_Control(Handle(), {.Class_Name = L"STATIC", .Style = WS_VISIBLE | SS_LEFT,
                                               .Caption = "&Formula :", .Left = 10, .Top = 14, .Width = 70,
                                               .Height = 20, .Font = Fonts().Get(Form_Font)},
                                    "the formula label"),
               10, 14, 70, 20, Form_Font);
    formula_edit_ = Create_Child_Control(Handle(),
                                         {.Class_Name = L"EDIT",
                                          .Style = WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                          .Ex_Style = WS_EX_CLIENTEDGE,
                                          .Caption = formula_,
                                          .Left = 80, .Top = 10, .Width = 255, .Height = 27,
                                          .Id = Formula_Edit_Id,
                                          .Font = Fonts().Get(Form_Font)},
                                         "the formula box");
    Add_Window("Formula_Edit", formula_edit_, 80, 10, 255, 27, Form_Font);
    Add_Button("Calculate_Button", "&Calculate", 345, 9, 115, 29, Button_Font, Calculate_Button_Id,
               IDB_GLYPH_SEARCH, "Work out the molar mass of the formula");
    result_edit_ = Create_Child_Control(Handle(),
                                        {.Class_Name = L"EDIT",
                                         .Style = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                                                  ES_READONLY | ES_AUTOVSCROLL,
                                         .Ex_Style = WS_EX_CLIENTEDGE,
                                         .Left = 10, .Top = 46, .Width = 450, .Height = 214,
                                         .Id = Result_Edit_Id,
                                         .Font = Fonts().Get(Table_Font)},
                                        "the molar mass table");
    Add_Window("Result_Edit", result_edit_, 10, 46, 450, 214, Table_Font);
    Add_Button("Copy_Button", "C&opy", 230, 270, 110, 30, Button_Font, Copy_Button_Id, IDB_GLYPH_COPY,
               "Copy the molar mass and the table to Windows Clipboard");
    Add_Button("Close_Button", "C&lose", 350, 270, 110, 30, Button_Font, Close_Button_Id, IDB_GLYPH_EXIT);
}

std::string TMolar_Mass_Calculator_Form::Formula() const
{
    return formula_edit_ ? Window_Text(formula_edit_) : formula_;
}

void TMolar_Mass_Calculator_Form::Set_Formula(std::string formula)
{
    formula_ = std::move(formula);
    result_.clear();
    if (!formula_edit_) return;
    Set_Window_Text(formula_edit_, formula_);
    Set_Window_Text(result_edit_, "");
}

void TMolar_Mass_Calculator_Form::Show_In_Front()
{
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
    // The kept formula's result is there at once; a fault waits for the user's calculation.
    if (result_.empty()) Calculate(false);
    SetFocus(formula_edit_);
    SendMessageW(formula_edit_, EM_SETSEL, 0, -1);
}

bool TMolar_Mass_Calculator_Form::Calculate(bool tell_fault)
{
    Handle();
    const std::string formula = Formula_Text(formula_edit_);
    const Formula_Reading reading = Read_Formula(formula, Elements);
    if (!reading.Read()) {
        result_.clear();
        Set_Window_Text(result_edit_, "");
        if (!tell_fault) return false;
        Show_Message_Box(Handle(), reading.Fault.Message, Title, MB_OK | MB_ICONINFORMATION);
        // The fault is marked where the user will type.
        SetFocus(formula_edit_);
        const int first = reading.Fault.Position - 1;
        if (first >= 0) SendMessageW(formula_edit_, EM_SETSEL, first, first + reading.Fault.Length);
        return false;
    }
    result_ = Molar_Mass_Text(formula, Molar_Mass_Of(reading.Counts, Elements), Elements);
    Set_Window_Text(result_edit_, result_);
    return true;
}

void TMolar_Mass_Calculator_Form::Copy_ButtonClick()
{
    if (!Calculate_ButtonClick()) return;
    const std::wstring text = Widen(result_);
    Clipboard_Session clipboard(Handle());
    clipboard.Empty();
    clipboard.Set_Bytes(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

LRESULT TMolar_Mass_Calculator_Form::Handle_Message(UINT message, WPARAM w, LPARAM l)
{
    if (message != WM_COMMAND || HIWORD(w) != BN_CLICKED) return Form_Window::Handle_Message(message, w, l);
    switch (LOWORD(w)) {
    case IDOK:  // Enter
    case Calculate_Button_Id:
        Run_Guarded(Handle(), [this] { Calculate_ButtonClick(); });
        break;
    case Copy_Button_Id:
        Run_Guarded(Handle(), [this] { Copy_ButtonClick(); });
        break;
    case IDCANCEL:  // Escape
    case Close_Button_Id:
        ShowWindow(Handle(), SW_HIDE);
        break;
    default:
        break;
    }
    return 0;
}

}  // namespace halvorn
