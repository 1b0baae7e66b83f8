// The main menu: every caption, access key, separator and check item, in order.
#pragma once

#include <array>
#include <string_view>

#include "resources/Command_Ids.h"

namespace halvorn {

struct Menu_Item_Design {
    std::string_view Name;
    std::string_view Caption;  // empty for a separator
    unsigned short Command;    // 0 for a separator
    bool Check_Item;
};

struct Menu_Design {
    std::string_view Name;
    std::string_view Caption;
    const Menu_Item_Design* Items;
    std::size_t Count;
};

inline constexpr Menu_Item_Design File_Menu_Items[] = {
    {"Copy_Graph_To_Windows_Clipboard_Option", "Copy Graph to Windows' Clipboard", Copy_Graph_To_Windows_Clipboard_Option, false},
    {"Copy_Table_To_Windows_Clipboard_Option", "Copy Periodic Table Image to Windows' Clipboard", Copy_Table_To_Windows_Clipboard_Option, false},
    {"Save_Halvorn_Image_To_File_Option", "Save Periodic Table Image to File", Save_Halvorn_Image_To_File_Option, false},
    {"Set_Halvorn_Image_To_Be_Windows_Desktop_Option", "Set the Desktop Image to be the Periodic Table", Set_Halvorn_Image_To_Be_Windows_Desktop_Option, false},
    {"N4", "", 0, false},
    {"Always_On_Top_Option", "Always &On Top", Always_On_Top_Option, true},
    {"Auto_Run_at_Windows_Startup_Option", "&Auto-Run at Windows Startup", Auto_Run_at_Windows_Startup_Option, true},
    {"Restore_Factory_Defaults_Option", "&Restore Factory Defaults", Restore_Factory_Defaults_Option, false},
    {"N6", "", 0, false},
    {"Copy_Element_Data_Option", "Copy &Element Data", Copy_Element_Data_Option, false},
    {"Save_Element_Data_As_Option", "Save Element &Data As...", Save_Element_Data_As_Option, false},
    {"Save_Table_Image_As_Option", "Save Periodic Table &Image As...", Save_Table_Image_As_Option, false},
    {"N2", "", 0, false},
    {"ExitOption", "E&xit", ExitOption, false},
};

inline constexpr Menu_Item_Design Search_Menu_Items[] = {
    {"Select_Element_by_Abbreviation_Option", "Select Element by Abbreviation", Select_Element_by_Abbreviation_Option, false},
    {"Select_Element_by_Name_Option", "Select Element by Name", Select_Element_by_Name_Option, false},
    {"N5", "", 0, false},
    {"Molar_Mass_Calculator_Option", "&Molar Mass Calculator...\tCtrl+M", Molar_Mass_Calculator_Option, false},
};

inline constexpr Menu_Item_Design View_Menu_Items[] = {
    {"Colour_By_Group_Option", "Colour by &Group", Colour_By_Group_Option, true},
    {"Colour_By_Block_Option", "Colour by &Block", Colour_By_Block_Option, true},
    {"Colour_By_Metal_Option", "Colour by &Metal, Metalloid, Non-Metal", Colour_By_Metal_Option, true},
    {"Colour_By_State_Option", "Colour by &State at a Temperature", Colour_By_State_Option, true},
    {"Colour_By_Property_Option", "Colour by a &Property", Colour_By_Property_Option, true},
    {"Colour_By_Year_Option", "Colour by &Year of Discovery", Colour_By_Year_Option, true},
};

inline constexpr Menu_Item_Design Help_Menu_Items[] = {
    {"Glossary_of_Terms_Option", "Glossary of Terms", Glossary_of_Terms_Option, false},
    {"N3", "", 0, false},
    {"View_Readme_file_Option", "&View Readme file", View_Readme_file_Option, false},
    {"View_Shareware_Catalog_Option", "View &Shareware Catalog", View_Shareware_Catalog_Option, false},
    {"N1", "", 0, false},
    {"AboutOption", "&About", AboutOption, false},
};

inline constexpr std::array<Menu_Design, 4> Main_Menu_Design{{
    {"FileMenu", "&File", File_Menu_Items, std::size(File_Menu_Items)},
    {"Search_Menu", "Search", Search_Menu_Items, std::size(Search_Menu_Items)},
    {"View_Menu", "&View", View_Menu_Items, std::size(View_Menu_Items)},
    {"HelpMenu", "&Help", Help_Menu_Items, std::size(Help_Menu_Items)},
}};

}  // namespace halvorn
