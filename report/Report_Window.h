// The element report window: shown beside the main window, reused for every report.
#pragma once

#include "platform/Form_Window.h"
#include "report/Element_Report.h"

namespace halvorn {

struct Program_Texts;
class TGlossary_of_Terms_Form;

class TElement_Report_Form : public Form_Window {
public:
    // Sets the window up; it is made, hidden, when first wanted.
    void Create(HWND owner, const Program_Texts& texts, TGlossary_of_Terms_Form& glossary);

    HWND Element_Report_RichEdit();

    // Writes the report into the window, sets its caption and shows it in front.
    void Show_Report(const Report_Document& report);

    void OK_BitBtnClick();
    void Clipboard_Copy_Element_Report_BitBtnClick();
    void BitBtn1Click();

    // The program texts the report footer prints, as the last show sequence set them.
    Report_Footer_Texts Footer_Texts() const;

protected:
    LRESULT Handle_Message(UINT message, WPARAM w, LPARAM l) override;

private:
    void Make(HWND owner);
    HWND rich_edit_ = nullptr;
    HWND ok_button_ = nullptr;
    const Program_Texts* texts_ = nullptr;
    TGlossary_of_Terms_Form* glossary_ = nullptr;
};

// The number separators of the user's regional settings.
Number_Separators User_Number_Separators();

// Builds the report of element number and shows it in the report window.
void Show_Element_Report(TElement_Report_Form& form, int number);

}  // namespace halvorn
