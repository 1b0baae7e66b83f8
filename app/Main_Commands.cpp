#include "app/Main_Commands.h"

#include "app/Main_Window.h"
#include "app/Program_Windows.h"
#include "export/Element_Data_Export.h"

#include "resources/Command_Ids.h"

namespace halvorn {

namespace {

const Command_Binding Main_Commands_Table[] = {
    {ExitOption, [](TMainForm1& form) { form.Exit_BitBtnClick(); }},
    {Always_On_Top_Option, [](TMainForm1& form) { form.Always_On_Top_OptionClick(); }},
    {Restore_Factory_Defaults_Option, [](TMainForm1& form) { form.Restore_Factory_Defaults_OptionClick(); }},
    {Select_Element_by_Abbreviation_Option,
     [](TMainForm1& form) { form.Search().Select_Element_by_Abbreviation_BitBtnClick(); }},
    {Select_Element_by_Name_Option, [](TMainForm1& form) { form.Search().Select_Element_by_Name_BitBtnClick(); }},
    {Glossary_of_Terms_Option, [](TMainForm1& form) { form.Glossary_of_Terms_BitBtnClick(); }},
    {Copy_Graph_To_Windows_Clipboard_Option,
     [](TMainForm1& form) { form.Graph().Copy_Graph_To_Windows_Clipboard_BitBtnClick(); }},
    {Copy_Table_To_Windows_Clipboard_Option,
     [](TMainForm1& form) { form.Picture().Copy_Table_To_Windows_Clipboard_BitBtnClick(); }},
    {Save_Halvorn_Image_To_File_Option,
     [](TMainForm1& form) { form.Picture().Save_Halvorn_Image_To_File_OptionClick(); }},
    {Set_Halvorn_Image_To_Be_Windows_Desktop_Option,
     [](TMainForm1& form) { form.Picture().Set_Halvorn_Image_To_Be_Windows_Desktop_OptionClick(); }},
    {Auto_Run_at_Windows_Startup_Option, [](TMainForm1& form) { form.Auto_Run_at_Windows_Startup_OptionClick(); }},
    {View_Readme_file_Option, [](TMainForm1& form) { form.View_Readme_file_OptionClick(); }},
    {View_Shareware_Catalog_Option, [](TMainForm1& form) { form.View_Shareware_Catalog_OptionClick(); }},
    {AboutOption, [](TMainForm1& form) { form.AboutOptionClick(); }},
    {Colour_By_Group_Option, [](TMainForm1& form) { form.Colour_By_OptionClick(Table_View::Group); }},
    {Colour_By_Block_Option, [](TMainForm1& form) { form.Colour_By_OptionClick(Table_View::Block); }},
    {Colour_By_Metal_Option, [](TMainForm1& form) { form.Colour_By_OptionClick(Table_View::Metal); }},
    {Colour_By_State_Option, [](TMainForm1& form) { form.Colour_By_OptionClick(Table_View::State); }},
    {Colour_By_Property_Option, [](TMainForm1& form) { form.Colour_By_OptionClick(Table_View::Property); }},
    {Colour_By_Year_Option, [](TMainForm1& form) { form.Colour_By_OptionClick(Table_View::Year); }},
    {Copy_Element_Data_Option, [](TMainForm1& form) { Copy_Element_Data(form.Handle()); }},
    {Save_Element_Data_As_Option, [](TMainForm1& form) { Save_Element_Data_As(form.Handle()); }},
    {Save_Table_Image_As_Option, [](TMainForm1& form) { form.Picture().Save_Table_Image_As_OptionClick(); }},
    {Molar_Mass_Calculator_Option,
     [](TMainForm1& form) { form.Program().Molar_Mass_Calculator_Form.Show_In_Front(); }},
};

}  // namespace

const std::span<const Command_Binding> Main_Commands(Main_Commands_Table);

}  // namespace halvorn
