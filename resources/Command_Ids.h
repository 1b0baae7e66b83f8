// The commands of the menu. A button that does what a menu item does carries the item's
// command, so both reach the same handler; a control without a menu twin is its page's.
#pragma once

namespace halvorn {

enum Command_Id : unsigned short {
    Copy_Graph_To_Windows_Clipboard_Option = 1001,
    Copy_Table_To_Windows_Clipboard_Option,
    Save_Halvorn_Image_To_File_Option,
    Set_Halvorn_Image_To_Be_Windows_Desktop_Option,
    Always_On_Top_Option,
    Auto_Run_at_Windows_Startup_Option,
    Restore_Factory_Defaults_Option,
    ExitOption,
    Select_Element_by_Abbreviation_Option,
    Select_Element_by_Name_Option,
    Glossary_of_Terms_Option,
    View_Readme_file_Option,
    View_Shareware_Catalog_Option,
    AboutOption,
    // The View menu's one check group, in the order of the table's views.
    Colour_By_Group_Option,
    Colour_By_Block_Option,
    Colour_By_Metal_Option,
    Colour_By_State_Option,
    Colour_By_Property_Option,
    Colour_By_Year_Option,
    Molar_Mass_Calculator_Option,
    Copy_Element_Data_Option,
    Save_Element_Data_As_Option,
    Save_Table_Image_As_Option,
};

}  // namespace halvorn
