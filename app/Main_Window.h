// The main window: the page control with the periodic table and the graph page, the
// main menu, the show sequence and closing.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/Layout_Scaling.h"
#include "elements/Element_Record.h"
#include "platform/Button_Decor.h"
#include "platform/Gdi_Owners.h"
#include "platform/Window_Base.h"

namespace halvorn {

struct Program_Windows;

struct Main_Form_Parts {
    Component_List Components;
    Font_Cache Fonts;
};

class TMainForm1 : private Main_Form_Parts, public Host_Window {
public:
    static constexpr int Design_Left = 99, Design_Top = 78, Design_Width = 832, Design_Height = 539;

    explicit TMainForm1(Program_Windows& program);
    ~TMainForm1() override;

    void Create();
    // Shows the window for the first time: the show sequence.
    void Show_First();

    Component_List& Components() { return Main_Form_Parts::Components; }
    Component& Component_Named(std::string_view name) const;
    Component& Element_Box(int number) const;
    HMENU Main_Menu() const { return menu_; }
    HWND Page_Control() const { return page_control_->Window; }

    // The element database text the build reads; tests give it other texts.
    void Set_Database_Text(std::string_view text) { database_text_ = text; }

    // Handlers, named as in the design.
    void FormShow();
    void Build_Array_Data_ButtonClick();
    void Set_Element_Box_Colours_BitBtnClick();
    void StaticText1MouseDown(Component& sender);
    void Choose_Swatch_Colour(Component& swatch);
    void Exit_BitBtnClick();
    void Select_Element_by_Abbreviation_BitBtnClick();
    void Select_Element_by_Name_BitBtnClick();
    void Glossary_of_Terms_BitBtnClick();
    void Set_Program_Texts();
    void FormCloseQuery();
    void FormResize();
    void Capture_Layout_Baseline();
    void Scale_Main_Window();
    void Always_On_Top_OptionClick() { Toggle_Always_On_Top(); }
    void Toggle_Always_On_Top();
    void Restore_Factory_Defaults_OptionClick();

    bool Menu_Checked(unsigned short command) const;
    void Set_Menu_Check(unsigned short command, bool checked);
    int Graph_Index() const;
    int Design_Client_Width() const { return design_client_width_; }
    int Design_Client_Height() const { return design_client_height_; }

    // The colour of a group's swatch (0x00BBGGRR).
    COLORREF Swatch_Colour(std::int32_t group) const;

protected:
    LRESULT Handle_Message(UINT message, WPARAM w, LPARAM l) override;

private:
    Component& Add(Component component);
    Component& Add_Graphic(std::string_view name, Component_Kind kind, Component* parent,
                           int left, int top, int width, int height);
    Component& Add_Button(std::string_view name, Component* page, std::string_view caption,
                          std::string_view hint, int left, int top, int width, int height,
                          int glyph, int command);
    void Create_Menu();
    void Create_Page_Control();
    void Create_Table_Page();
    void Create_Colour_Key();
    void Create_Graph_Page();
    void Create_State_Legend();
    void Show_Page(int index);
    void Fit_Client_To_Page_Control();
    void On_Command(int id);
    void Search_Elements(const std::string& (*field)(const Element_Record&));
    void Repaint_Table();
    void Read_Settings(bool& maximised);
    void Apply_Saved_Bounds(int top, int left, int width, int height);
    void Apply_Scaled_Bounds();
    void Apply_Page_Controls(int page_index);

    Program_Windows& program_;
    std::string_view database_text_;
    HMENU menu_ = nullptr;
    Component* form_ = nullptr;
    Component* page_control_ = nullptr;
    Component* pages_[2] = {};
    std::unique_ptr<Host_Window> page_windows_[2];
    Bitmap_Handle connector_;
    Button_Decor buttons_;
    int design_client_width_ = 0;
    int design_client_height_ = 0;
    std::vector<Baseline_Entry> layout_baseline_;
    SIZE scaled_client_{-1, -1};      // the client size the layout was last scaled to
    bool page_laid_out_[2] = {true, true};  // its real windows stand at their bounds
};

}  // namespace halvorn
