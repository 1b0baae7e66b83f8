// The main window: the frame with its menu and page control, the show sequence, closing,
// and the one table that sends every command to its handler. The pages, the search,
// scaling and placement are rooms of their own that this window wires together.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "app/Layout_Scaler.h"
#include "app/Page_Control.h"
#include "app/Program_Settings.h"
#include "export/Table_Picture.h"
#include "graphs/Graph_Page.h"
#include "platform/Control_Factory.h"
#include "table_view/Element_Search.h"
#include "table_view/Table_Page.h"

namespace halvorn {

struct Program_Windows;

struct Main_Form_Parts {
    Component_List Components;
    Font_Cache Fonts;
    Button_Decor Buttons;
};

class TMainForm1 : private Main_Form_Parts, public Host_Window {
public:
    static constexpr int Design_Left = 99, Design_Top = 78, Design_Width = 832, Design_Height = 539;

    explicit TMainForm1(Program_Windows& program);

    void Create();
    // Shows the window for the first time: the show sequence.
    void Show_First() { FormShow(); }

    Component_List& Components() { return Main_Form_Parts::Components; }
    // A component by its design name, which must exist. For tests: the program itself
    // holds what it uses.
    Component& Component_Named(std::string_view name) const;
    Table_Page& Table() { return *table_; }
    Graph_Page& Graph() { return *graph_; }
    Page_Control& Pages() { return *pages_; }
    Element_Search& Search() { return *search_; }
    Table_Picture& Picture() { return *picture_; }
    const Layout_Scaler& Scaler() const { return *scaler_; }
    const Program_Settings& Settings() const { return settings_; }
    Program_Windows& Program() const { return program_; }
    // The DPI the window lays its controls out for.
    int Dpi() const { return dpi_; }
    bool Menu_Checked(unsigned short command) const;

    // Handlers, named as in the design.
    void FormShow();
    void FormCloseQuery();
    void FormResize();
    void Set_Program_Texts();
    void Exit_BitBtnClick();
    void Glossary_of_Terms_BitBtnClick();
    void Always_On_Top_OptionClick() { Toggle_Always_On_Top(); }
    void Toggle_Always_On_Top();
    void Restore_Factory_Defaults_OptionClick();
    void Auto_Run_at_Windows_Startup_OptionClick();
    void AboutOptionClick();
    void View_Readme_file_OptionClick();
    void View_Shareware_Catalog_OptionClick();
    void Colour_By_OptionClick(Table_View view);

protected:
    LRESULT Handle_Message(UINT message, WPARAM w, LPARAM l) override;
    // The table, as the first control of a dialog.
    HWND First_Focus() const override { return pages_ ? pages_->Page(0).Window : nullptr; }

private:
    void Fit_Client_To_Page_Control();
    // Lays every control out from its design for dpi: bounds, fonts and glyphs.
    void Follow_Dpi(int dpi);
    // Moved to a monitor of another DPI: the new design layout becomes the baseline, and
    // the window takes the place and size suggested.
    void Dpi_Changed(int dpi, const RECT& suggested);
    void Apply_Settings();
    void Show_Options();
    void On_Command(unsigned short id, unsigned short notification, HWND control);

    Program_Windows& program_;
    HMENU menu_ = nullptr;  // destroyed with the window
    Component* form_ = nullptr;
    int dpi_ = 96;
    Program_Settings settings_ = Program_Settings::Defaults();
    std::optional<Control_Factory> factory_;
    std::optional<Page_Control> pages_;
    std::optional<Table_Page> table_;
    std::optional<Graph_Page> graph_;
    std::optional<Element_Search> search_;
    std::optional<Table_Picture> picture_;
    std::optional<Layout_Scaler> scaler_;
};

}  // namespace halvorn
