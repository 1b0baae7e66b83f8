// The molar-mass calculator: a formula box, the molar mass with a table of what each
// element brings, and a copy of that as text. One for the whole run, shown beside the
// main window.
#pragma once

#include <string>

#include "platform/Form_Window.h"

namespace halvorn {

class TMolar_Mass_Calculator_Form : public Form_Window {
public:
    // Sets the window up; it is made, hidden, when first wanted.
    void Create(HWND owner);

    // Shows the window in front with the formula selected for typing over.
    void Show_In_Front();
    // The formula in the box, kept in the settings.
    std::string Formula() const;
    void Set_Formula(std::string formula);
    // The result as shown and copied; empty when the formula did not read.
    const std::string& Result_Text() const { return result_; }
    HWND Formula_Edit() const { return formula_edit_; }

    // Reads the formula; a fault is told in a message box and marked in the box, and
    // nothing is shown for it.
    bool Calculate_ButtonClick() { return Calculate(true); }
    // Calculates, then puts the result on the clipboard as text.
    void Copy_ButtonClick();

protected:
    LRESULT Handle_Message(UINT message, WPARAM w, LPARAM l) override;

private:
    void Make(HWND owner);
    bool Calculate(bool tell_fault);

    HWND formula_edit_ = nullptr;
    HWND result_edit_ = nullptr;
    std::string formula_;  // until the box is made
    std::string result_;
};

}  // namespace halvorn
