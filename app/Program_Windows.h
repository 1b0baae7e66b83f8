// The windows of the program, each made once for the whole run: the main window at
// start-up, the others when first wanted.
#pragma once

#include "app/Main_Window.h"
#include "export/Wallpaper_Style_Dialog.h"
#include "report/Glossary_Window.h"
#include "report/Molar_Mass_Window.h"
#include "report/Report_Window.h"
#include "table_view/Item_Select_Dialog.h"
#include "winint/About_Window.h"
#include "winint/Program_Texts.h"
#include "winint/Windows_Registry.h"

namespace halvorn {

// The hidden window that owns every window but the main one, and holds the
// application's title. The main window owns none, so that making it topmost never
// depends on how the platform reorders owned windows.
class Application_Window : public Window_Base {
public:
    static constexpr const wchar_t* Class_Name = L"Halvorn.Application";
    void Create();
};

struct Program_Windows {
    Program_Windows() : MainForm1(*this) {}

    // Registers the window classes, creates the main window and sets up the others, all
    // hidden.
    void Create();
    // The first show, run outside any window procedure: a fault in it (a database text that
    // does not build) is shown, the rest of that show is left undone, and the program goes on.
    void Show();

    // The registry the program reads and writes; tests give it another.
    Windows_Registry System_Registry;
    Registry* Registry = &System_Registry;

    // The program's title and fixed texts, set by every show sequence, for whoever
    // prints them.
    Program_Texts Texts;

    // Declared in creation order; destroyed in reverse, the main window last.
    Application_Window Application;
    TMainForm1 MainForm1;
    TAboutBox AboutBox;
    TElement_Report_Form Element_Report_Form;
    TDialog_Item_Select_Form Dialog_Item_Select_Form;
    TGlossary_of_Terms_Form Glossary_of_Terms_Form;
    TDialog_WallPaper_Style_Form Dialog_WallPaper_Style_Form;
    TMolar_Mass_Calculator_Form Molar_Mass_Calculator_Form;
};

// Runs the program: creates the windows, shows the main window and runs the message
// loop until the main window has closed.
int Run_Program();

}  // namespace halvorn
