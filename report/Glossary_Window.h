// The glossary window: one for the whole run, shown from both pages and the report.
#pragma once

#include "platform/Form_Window.h"

namespace halvorn {

class TGlossary_of_Terms_Form : public Form_Window {
public:
    void Create(HWND owner);
};

}  // namespace halvorn
