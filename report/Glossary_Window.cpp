#include "report/Glossary_Window.h"

#include "platform/Rich_Edit.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "report/Element_Report.h"
#include "resources/Resource_Ids.h"

namespace halvorn {

namespace {
enum : int { OK_BitBtn_Id = 101, Clipboard_Copy_Id };
const Font_Spec Glossary_Font{L"Times New Roman", Font_Spec::Points_From_Height(19)};
}  // namespace

void TGlossary_of_Terms_Form::Create(HWND owner)
{
    Make_On_First_Use([this, owner] { Make(owner); });
}

void TGlossary_of_Terms_Form::Make(HWND owner)
{
    Create_Form("Glossary of Terms :", 732, 136, 524, 446, Form_Border::Dialog, owner);
    Add_Button("OK_BitBtn", "OK", 313, 415, 124, 28, {L"MS Sans Serif", 8}, OK_BitBtn_Id, IDB_GLYPH_OK);
    Add_Button("Clipboard_Copy_Glossary_of_Terms_BitBtn", "Copy to Windows' Clipboard", 62, 415, 207, 28,
               {L"Times New Roman", Font_Spec::Points_From_Height(13)}, Clipboard_Copy_Id, IDB_GLYPH_COPY,
               "Copy the above report to Windows Clipboard.");
    FormCreate();
}

int TGlossary_of_Terms_Form::Term_Count() const
{
    Handle();
    return term_count_;
}

void TGlossary_of_Terms_Form::FormCreate()
{
    // The headings are found and counted now; the text control that shows them is made
    // when the window is first shown.
    lines_ = Glossary_Lines(Glossary_Text(), Glossary_Font.Points, term_count_);
    Set_Window_Text(Handle(), Window_Text(Handle()) + "   (" + std::to_string(term_count_) + " terms defined)");
}

HWND TGlossary_of_Terms_Form::Glossary_RichEdit()
{
    if (!rich_edit_) {
        rich_edit_ = Add_Rich_Edit("Glossary_RichEdit", 4, 4, 513, 407, Glossary_Font, false);
        // Lines stay unwrapped while the text goes in, then wrap at the window.
        Set_Word_Wrap(rich_edit_, false);
        Set_Rich_Text(rich_edit_, Document_Rtf(lines_, "Times New Roman"));
        Set_Word_Wrap(rich_edit_, true);
        Caret_To_Start(rich_edit_);
        lines_.clear();
    }
    return rich_edit_;
}

void TGlossary_of_Terms_Form::Show_In_Front()
{
    Glossary_RichEdit();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
}

void TGlossary_of_Terms_Form::OK_BitBtnClick() { ShowWindow(Handle(), SW_HIDE); }

void TGlossary_of_Terms_Form::Clipboard_Copy_Glossary_of_Terms_BitBtnClick()
{
    Copy_All_To_Clipboard(Glossary_RichEdit());
    Paint_Now(Handle());
}

LRESULT TGlossary_of_Terms_Form::Handle_Message(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(w) == OK_BitBtn_Id || LOWORD(w) == IDCANCEL) OK_BitBtnClick();
        if (LOWORD(w) == Clipboard_Copy_Id) Clipboard_Copy_Glossary_of_Terms_BitBtnClick();
        return 0;
    case WM_CLOSE:
        OK_BitBtnClick();
        return 0;
    default:
        return Form_Window::Handle_Message(message, w, l);
    }
}

}  // namespace halvorn
