// The glossary window: one for the whole run, shown from both pages and the report.
#pragma once

#include <vector>

#include "platform/Form_Window.h"
#include "report/Element_Report.h"

namespace halvorn {

class TGlossary_of_Terms_Form : public Form_Window {
public:
    // Sets the window up; it is made, hidden, when first wanted.
    void Create(HWND owner);

    // Shows the window without making it modal and brings it to the front.
    void Show_In_Front();
    HWND Glossary_RichEdit();
    int Term_Count() const;

    void OK_BitBtnClick();
    void Clipboard_Copy_Glossary_of_Terms_BitBtnClick();

protected:
    LRESULT Handle_Message(UINT message, WPARAM w, LPARAM l) override;

private:
    void Make(HWND owner);
    void FormCreate();

    HWND rich_edit_ = nullptr;
    std::vector<Report_Line> lines_;  // the formatted text, until the control takes it
    int term_count_ = 0;
};

}  // namespace halvorn
