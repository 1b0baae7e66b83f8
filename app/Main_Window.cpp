#include "app/Main_Window.h"

#include <commctrl.h>

#include <stdexcept>
#include <string>

#include "app/Main_Commands.h"
#include "app/Main_Menu.h"
#include "app/Program_Windows.h"
#include "app/Settings_File.h"
#include "app/Window_Placement.h"
#include "platform/Dpi.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "resources/Command_Ids.h"
#include "winint/Auto_Run.h"
#include "winint/Notepad_Documents.h"
#include "winint/Program_Texts.h"
#include "winint/Windows_Messages.h"

namespace halvorn {

namespace {

const Font_Spec Main_Font{L"Times New Roman", Font_Spec::Points_From_Height(15)};

}  // namespace

TMainForm1::TMainForm1(Program_Windows& program)
    : Host_Window(Main_Form_Parts::Components, Main_Form_Parts::Fonts), program_(program)
{
}

void TMainForm1::Create()
{
    menu_ = Create_Main_Menu();
    Window_Base::Create(Class_Name, WS_EX_CONTROLPARENT, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, "MainForm1",
                        Design_Left, Design_Top, Design_Width, Design_Height, nullptr, menu_);
    Component form;
    form.Name = "MainForm1";
    form.Kind = Component_Kind::Windowed;
    form.Window = Handle();
    form.Font = Main_Font;
    form_ = &Main_Form_Parts::Components.Add(std::move(form));
    // Controls are made at their design bounds, with fonts and glyphs for the window's DPI.
    dpi_ = Start_At_Window_Dpi(Handle(), fonts_, Buttons);

    factory_.emplace(Main_Form_Parts::Components, fonts_, Buttons, program_.Application.Handle());
    pages_.emplace(Main_Form_Parts::Components, fonts_);
    pages_->Create(*form_);
    table_.emplace(*factory_, fonts_, program_.Element_Report_Form, program_.Texts, Handle(),
                   [this] { pages_->Show_Page(0); });
    table_->Create(pages_->Page(0), pages_->Control());
    graph_.emplace(*factory_, program_.Texts, program_.Element_Report_Form, [this] { pages_->Show_Page(1); });
    graph_->Create(pages_->Page(1));
    table_->Create_State_Legend(*form_);
    search_.emplace(program_.Dialog_Item_Select_Form, program_.Element_Report_Form, Handle());
    picture_.emplace(*table_, program_.Dialog_WallPaper_Style_Form, Handle());
    scaler_.emplace(Main_Form_Parts::Components);
    if (dpi_ != Design_Dpi) Follow_Dpi(dpi_);
}

void TMainForm1::Follow_Dpi(int dpi)
{
    dpi_ = dpi;
    Lay_Out_For_Dpi(Main_Form_Parts::Components, form_, dpi, fonts_, Buttons);
    pages_->Apply_Scaled_Bounds();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TMainForm1::Dpi_Changed(int dpi, const RECT& suggested)
{
    Follow_Dpi(dpi);
    // The baseline is the design layout at the new DPI, with the client area the show
    // sequence would fit to it; every size from now on scales from there.
    const Component& control = pages_->Control();
    scaler_->Capture_Layout_Baseline(2 * control.Left + control.Width, 2 * control.Top + control.Height, form_);
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Scales now should the client area have kept its size.
    FormResize();
}

void TMainForm1::Fit_Client_To_Page_Control()
{
    const Component& control = pages_->Control();
    const SIZE outer = Outer_Size(2 * control.Left + control.Width, 2 * control.Top + control.Height,
                                  static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE)),
                                  static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE)), true, dpi_);
    SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainForm1::FormShow()
{
    Fit_Client_To_Page_Control();
    SetScrollRange(Handle(), SB_BOTH, 0, 0, FALSE);
    ShowScrollBar(Handle(), SB_BOTH, FALSE);
    RECT client;
    GetClientRect(Handle(), &client);
    scaler_->Capture_Layout_Baseline(client.right, client.bottom, form_);
    settings_ = Read_Settings_File(Settings_File_Path(), Program_Settings::Defaults_At(dpi_));
    Apply_Settings();
    Set_Program_Texts();

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    ShowWindow(Handle(), (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL);
    if (settings_.Maximised) ShowWindow(Handle(), SW_MAXIMIZE);

    // The toggle flips the option, so it starts from the opposite of the saved one.
    settings_.Always_On_Top = !settings_.Always_On_Top;
    Toggle_Always_On_Top();
    // Whatever the settings file says, the registry knows whether the program runs at start-up;
    // a run value it cannot read as a path is reported, counts as none, and the show goes on.
    Windows_Messages messages(Handle());
    settings_.Auto_Run = false;
    Run_Guarded(Handle(),
                [&] { settings_.Auto_Run = Verify_Auto_Run(*program_.Registry, messages, Executable_Path()); });
    Show_Options();

    pages_->Show_Page(0);
    table_->Build_Array_Data_ButtonClick();
    graph_->Graph_Type_ComboBoxChange();
}

void TMainForm1::Apply_Settings()
{
    const Program_Settings defaults = Program_Settings::Defaults_At(dpi_);
    Place_Main_Window(Handle(), settings_.Window_Top, settings_.Window_Left, settings_.Window_Width,
                      settings_.Window_Height, defaults.Window_Top, defaults.Window_Left, defaults.Window_Width,
                      defaults.Window_Height);
    table_->Views().Set_Choice(settings_.View);
    Show_Options();
    graph_->Select_Graph(settings_.Graph_Index);
    graph_->Select_Against(settings_.Against_Index);
    table_->Set_Swatch_Colours(settings_.Colours);
    Place_Secondary_Window(program_.Element_Report_Form, settings_.Report_Left, settings_.Report_Top,
                           defaults.Report_Left, defaults.Report_Top);
    Place_Secondary_Window(program_.Glossary_of_Terms_Form, settings_.Glossary_Left, settings_.Glossary_Top,
                           defaults.Glossary_Left, defaults.Glossary_Top);
    program_.Molar_Mass_Calculator_Form.Set_Formula(settings_.Formula);
}

void TMainForm1::Show_Options()
{
    CheckMenuItem(menu_, Always_On_Top_Option, MF_BYCOMMAND | (settings_.Always_On_Top ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu_, Auto_Run_at_Windows_Startup_Option,
                  MF_BYCOMMAND | (settings_.Auto_Run ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuRadioItem(menu_, Colour_By_Group_Option, Colour_By_Year_Option,
                       Colour_By_Group_Option + static_cast<UINT>(table_->Views().Choice().View), MF_BYCOMMAND);
}

bool TMainForm1::Menu_Checked(unsigned short command) const
{
    return (GetMenuState(menu_, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void TMainForm1::FormCloseQuery()
{
    Program_Settings settings = settings_;
    settings.Maximised = IsZoomed(Handle()) != FALSE;
    // The bounds saved are the normal window's.
    if (settings.Maximised) ShowWindow(Handle(), SW_RESTORE);
    const RECT bounds = Normal_Bounds(Handle());
    settings.Window_Top = bounds.top, settings.Window_Left = bounds.left;
    settings.Window_Width = bounds.right - bounds.left, settings.Window_Height = bounds.bottom - bounds.top;
    settings.Graph_Index = graph_->Graph_Index();
    settings.Against_Index = graph_->Against_Index();
    settings.Colours = table_->Swatch_Colours();
    settings.View = table_->Views().Choice();
    Read_Secondary_Place(program_.Element_Report_Form, settings.Report_Left, settings.Report_Top);
    Read_Secondary_Place(program_.Glossary_of_Terms_Form, settings.Glossary_Left, settings.Glossary_Top);
    settings.Formula = program_.Molar_Mass_Calculator_Form.Formula();
    Write_Settings_File(Settings_File_Path(), settings);
}

void TMainForm1::Restore_Factory_Defaults_OptionClick()
{
    const int answer = Show_Message_Box(Handle(), Factory_Reset_Question, "Restore Factory Defaults",
                                        MB_YESNO | MB_ICONWARNING);
    if (answer == IDNO) return;
    Delete_Closed_File(Settings_File_Path());
    ShowWindow(Handle(), SW_RESTORE);
    FormShow();
}

void TMainForm1::Toggle_Always_On_Top()
{
    settings_.Always_On_Top = !settings_.Always_On_Top;
    Show_Options();
    SetWindowPos(Handle(), settings_.Always_On_Top ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void TMainForm1::Auto_Run_at_Windows_Startup_OptionClick()
{
    Windows_Messages messages(Handle());
    if (settings_.Auto_Run) {
        if (Disable_Auto_Run(*program_.Registry, messages, Executable_Path())) settings_.Auto_Run = false;
    } else {
        if (Enable_Auto_Run(*program_.Registry, messages, Executable_Path())) settings_.Auto_Run = true;
    }
    Show_Options();
}

void TMainForm1::Colour_By_OptionClick(Table_View view) { table_->Views().Colour_By(view), Show_Options(); }

void TMainForm1::AboutOptionClick() { program_.AboutBox.Show_Modal(Handle()); }

void TMainForm1::View_Readme_file_OptionClick() { View_Readme_File(); }

void TMainForm1::View_Shareware_Catalog_OptionClick() { View_Shareware_Catalog(program_.Texts.Product_Name); }

void TMainForm1::FormResize()
{
    RECT client;
    GetClientRect(Handle(), &client);
    // Every control takes its new place without painting...
    if (!scaler_->Scale_Main_Window(client.right, client.bottom, fonts_)) return;
    pages_->Apply_Scaled_Bounds();
    // ...then the whole client area repaints once, the window's own background included,
    // so nothing of the old layout is left where the page control no longer reaches.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TMainForm1::Set_Program_Texts()
{
    program_.Texts = Program_Texts_For_Year(Current_Year());
    Set_Application_Title(program_.Texts.Application_Title);
    Set_Window_Text(program_.Application.Handle(), program_.Texts.Application_Title);
    Set_Window_Text(Handle(), program_.Texts.Main_Caption);
    program_.AboutBox.Show_Texts(program_.Texts);
}

void TMainForm1::Glossary_of_Terms_BitBtnClick() { program_.Glossary_of_Terms_Form.Show_In_Front(); }

void TMainForm1::Exit_BitBtnClick() { SendMessageW(Handle(), WM_CLOSE, 0, 0); }

Component& TMainForm1::Component_Named(std::string_view name) const
{
    Component* component = Main_Form_Parts::Components.Find(name);
    if (!component) throw std::logic_error("no component " + std::string(name));
    return *component;
}

void TMainForm1::On_Command(unsigned short id, unsigned short notification, HWND control)
{
    // A control without a menu twin runs its page's handler, even when the dialog keys
    // send its click here.
    if (Main_Form_Parts::Components.Run_Command(control, notification)) return;
    // A menu item and a button's click both come with notification 0, a shortcut key with 1.
    if (notification != 0 && (notification != 1 || control)) return;
    for (const Command_Binding& command : Main_Commands)
        if (command.Id == id) command.Handler(*this);
}

LRESULT TMainForm1::Handle_Message(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_COMMAND:
        On_Command(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
        return 0;
    case WM_NOTIFY:
        pages_->Handle_Notify(*reinterpret_cast<const NMHDR*>(l));
        return 0;
    case WM_CLOSE:
        // Whatever goes wrong while saving, the close goes ahead.
        Run_Guarded(Handle(), [this] { FormCloseQuery(); });
        DestroyWindow(Handle());
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // Logging off ends the program without a close: the settings are saved now.
        if (w) Run_Guarded(Handle(), [this] { FormCloseQuery(); });
        return 0;
    case WM_MENUCHAR:
        // Alt and a letter that no menu takes: a label of the table's view may.
        if (table_->Views().Access_Key(LOWORD(w))) return MAKELRESULT(0, MNC_CLOSE);
        return Host_Window::Handle_Message(message, w, l);
    case WM_SIZE:
        FormResize();
        return 0;
    case WM_DPICHANGED:
        Dpi_Changed(LOWORD(w), *reinterpret_cast<const RECT*>(l));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return Host_Window::Handle_Message(message, w, l);
    }
}

}  // namespace halvorn
