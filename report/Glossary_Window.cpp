#include "report/Glossary_Window.h"

namespace halvorn {

void TGlossary_of_Terms_Form::Create(HWND owner)
{
    Create_Form("Glossary of Terms :", 732, 136, 524, 446, Form_Border::Dialog, owner);
}

}  // namespace halvorn
