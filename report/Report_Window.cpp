#include "report/Report_Window.h"

#include "elements/Element_Record.h"
#include "platform/Rich_Edit.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "report/Glossary_Window.h"
#include "resources/Resource_Ids.h"
#include "winint/Program_Texts.h"

namespace halvorn {

namespace {
enum : int { OK_BitBtn_Id = 101, Clipboard_Copy_Id, BitBtn1_Id };
constexpr int Report_Font_Points = 10;
const Font_Spec Report_Font{L"Courier New", Report_Font_Points};

char Separator_Of(LCTYPE type, char fallback)
{
    wchar_t text[8] = L"";
    if (!GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, 8) || !text[0]) return fallback;
    const std::string narrow = Narrow(std::wstring_view(text, 1));
    // A separator with no Windows-1252 form is shown as a blank.
    return narrow.size() == 1 && narrow[0] != '?' ? narrow[0] : ' ';
}

}  // namespace

Number_Separators User_Number_Separators()
{
    return {Separator_Of(LOCALE_STHOUSAND, ','), Separator_Of(LOCALE_SDECIMAL, '.')};
}

void TElement_Report_Form::Create(HWND owner, const Program_Texts& texts, TGlossary_of_Terms_Form& glossary)
{
    texts_ = &texts;
    glossary_ = &glossary;
    Make_On_First_Use([this, owner] { Make(owner); });
}

void TElement_Report_Form::Make(HWND owner)
{
    Create_Form("Element_Report_Form", 343, 122, 546, 446, Form_Border::Dialog, owner);
    const Font_Spec button_font{L"Times New Roman", Font_Spec::Points_From_Height(15)};
    ok_button_ = Add_Button("OK_BitBtn", "OK", 388, 415, 124, 28, button_font, OK_BitBtn_Id, IDB_GLYPH_OK).Window;
    Add_Button("Clipboard_Copy_Element_Report_BitBtn", "Copy to Windows' Clipboard", 29, 415, 207, 28,
               {L"Times New Roman", Font_Spec::Points_From_Height(13)}, Clipboard_Copy_Id, IDB_GLYPH_COPY,
               "Copy the above report to Windows Clipboard.");
    Add_Button("BitBtn1", "Glossary", 248, 415, 125, 28, button_font, BitBtn1_Id, IDB_GLYPH_GLOSSARY,
               "View a Glossary of Terms");
}

HWND TElement_Report_Form::Element_Report_RichEdit()
{
    // Made with the first report, which keeps start-up short.
    if (!rich_edit_) {
        rich_edit_ = Add_Rich_Edit("Element_Report_RichEdit", 4, 7, 537, 404, Report_Font, true);
        Set_Word_Wrap(rich_edit_, true);
    }
    return rich_edit_;
}

Report_Footer_Texts TElement_Report_Form::Footer_Texts() const
{
    return {texts_->Product_Name, texts_->Author_and_Date, texts_->Web_Address};
}

void TElement_Report_Form::Show_Report(const Report_Document& report)
{
    // One redraw for the whole text.
    Element_Report_RichEdit();
    SendMessageW(rich_edit_, WM_SETREDRAW, FALSE, 0);
    Set_Rich_Text(rich_edit_, Document_Rtf(report.Lines, "Courier New"));
    SendMessageW(rich_edit_, WM_SETREDRAW, TRUE, 0);
    Set_Window_Text(Handle(), report.Caption);
    Caret_To_Start(rich_edit_);
    // The scroll bars are redrawn too: the text starts at the top again, and the thumb
    // must say so.
    RedrawWindow(rich_edit_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
    Paint_Now(Handle());
}

void TElement_Report_Form::OK_BitBtnClick() { ShowWindow(Handle(), SW_HIDE); }

void TElement_Report_Form::Clipboard_Copy_Element_Report_BitBtnClick()
{
    Copy_All_To_Clipboard(Element_Report_RichEdit());
    Paint_Now(Handle());
}

void TElement_Report_Form::BitBtn1Click() { glossary_->Show_In_Front(); }

LRESULT TElement_Report_Form::Handle_Message(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(w)) {
        case OK_BitBtn_Id:
        case IDCANCEL:
            OK_BitBtnClick();
            break;
        case Clipboard_Copy_Id:
            Clipboard_Copy_Element_Report_BitBtnClick();
            break;
        case BitBtn1_Id:
            BitBtn1Click();
            break;
        default:
            break;
        }
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(w) != WA_INACTIVE && rich_edit_) {
            Caret_To_Start(rich_edit_);
            Paint_Now(Handle());
            SetFocus(rich_edit_);
            SetFocus(ok_button_);
        }
        return 0;
    case WM_PAINT:
        // A repaint puts the caret back while the report is the active window, and moves
        // no focus: that is the activation's to give.
        if (rich_edit_ && GetActiveWindow() == Handle()) Caret_To_Start(rich_edit_);
        return Form_Window::Handle_Message(message, w, l);
    case WM_CLOSE:
        OK_BitBtnClick();
        return 0;
    default:
        return Form_Window::Handle_Message(message, w, l);
    }
}

void Show_Element_Report(TElement_Report_Form& form, int number)
{
    form.Show_Report(Build_Element_Report(Elements[number], form.Footer_Texts(), User_Number_Separators()));
}

}  // namespace halvorn
