#include "report/Report_Window.h"

#include "elements/Element_Record.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"

namespace halvorn {

void TElement_Report_Form::Create(HWND owner)
{
    Create_Form("Element_Report_Form", 343, 122, 546, 446, Form_Border::Dialog, owner);
}

void Show_Element_Report(TElement_Report_Form& form, int number)
{
    const Element_Record& record = Elements[number];
    Set_Window_Text(form.Handle(), record.Element_Name + " Properties :");
    ShowWindow(form.Handle(), SW_SHOW);
    SetForegroundWindow(form.Handle());
    BringWindowToTop(form.Handle());
    Process_Messages();
}

}  // namespace halvorn
