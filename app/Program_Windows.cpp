#include "app/Program_Windows.h"

#include <commctrl.h>

#include "platform/Seams.h"
#include "resources/Command_Ids.h"
#include "resources/Resource_Ids.h"

namespace halvorn {

void Application_Window::Create()
{
    Register_Class(Class_Name);
    Window_Base::Create(Class_Name, WS_EX_TOOLWINDOW, WS_POPUP, "", 0, 0, 0, 0, nullptr);
}

void Program_Windows::Create()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    Window_Base::Register_Class(Host_Window::Class_Name,
                                LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_HALVORN)));

    Application.Create();
    MainForm1.Create();
    const HWND owner = Application.Handle();
    AboutBox.Create(owner);
    Element_Report_Form.Create(owner, Texts, Glossary_of_Terms_Form);
    Dialog_Item_Select_Form.Create(owner);
    Glossary_of_Terms_Form.Create(owner);
    Dialog_WallPaper_Style_Form.Create(owner);
    Molar_Mass_Calculator_Form.Create(owner);
}

void Program_Windows::Show()
{
    Run_Guarded(MainForm1.Handle(), [this] { MainForm1.Show_First(); });
}

int Run_Program()
{
    Program_Windows program;
    program.Create();
    program.Show();

    // Ctrl+M opens the calculator from the main window, whichever of its controls has the focus.
    ACCEL keys[] = {{FVIRTKEY | FCONTROL, 'M', Molar_Mass_Calculator_Option}};
    const HACCEL accelerators = CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
    const HWND main = program.MainForm1.Handle();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        const bool in_main = message.hwnd && GetAncestor(message.hwnd, GA_ROOT) == main;
        if (!(in_main && accelerators && TranslateAcceleratorW(main, accelerators, &message)))
            Dispatch_Program_Message(message);
    }
    if (accelerators) DestroyAcceleratorTable(accelerators);
    return static_cast<int>(message.wParam);
}

}  // namespace halvorn
