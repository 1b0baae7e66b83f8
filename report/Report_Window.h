// The element report window: shown beside the main window, reused for every report.
#pragma once

#include "platform/Form_Window.h"

namespace halvorn {

class TElement_Report_Form : public Form_Window {
public:
    void Create(HWND owner);
};

// Shows the report of element number (1 to Number_of_Elements) in the report window and
// brings it to the front.
void Show_Element_Report(TElement_Report_Form& form, int number);

}  // namespace halvorn
