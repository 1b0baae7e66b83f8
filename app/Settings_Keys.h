// The settings file's keys, their types and defaults, and how their values are read.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace halvorn {

inline constexpr std::string_view Settings_File_Name = "Halvorn.ini";
inline constexpr std::string_view Settings_Section = "Halvorn";

enum class Setting_Type : std::uint8_t { Integer, Boolean, Colour };

struct Setting_Key {
    std::string_view Name;
    Setting_Type Type;
    std::int32_t Default;
};

// In the order they are read.
inline constexpr std::array<Setting_Key, 22> Setting_Keys{{
    {"window_top_posn", Setting_Type::Integer, 20},
    {"window_left_posn", Setting_Type::Integer, 20},
    {"window_Width", Setting_Type::Integer, 681},
    {"window_Height", Setting_Type::Integer, 481},
    {"Always_on_Top_Option", Setting_Type::Boolean, 0},
    {"Auto_Run_at_Windows_Startup_Option", Setting_Type::Boolean, 0},
    {"WindowState_wsMaximized", Setting_Type::Boolean, 0},
    {"Graph_Type_ComboBox", Setting_Type::Integer, 0},
    {"Other_Non_Metals_Colour_Shape", Setting_Type::Colour, 0xFFFFFF},
    {"Alkali_Metals_Colour_Shape", Setting_Type::Colour, 0x0000FF},
    {"Alkaline_Earth_Metals_Colour_Shape", Setting_Type::Colour, 0x00FF00},
    {"Transition_Metals_Colour_Shape", Setting_Type::Colour, 0x00FFFF},
    {"Non_Metals_Halogens_Colour_Shape", Setting_Type::Colour, 0xFF00FF},
    {"Other_Metals_Colour_Shape", Setting_Type::Colour, 0xFF0000},
    {"Noble_Gases_Colour_Shape", Setting_Type::Colour, 0xFFFF00},
    {"Lanthanide_Series_Colour_Shape", Setting_Type::Colour, 0x008000},
    {"Actinide_Series_Colour_Shape", Setting_Type::Colour, 0x808000},
    {"Unknown_Colour_Shape", Setting_Type::Colour, 0xC0C0C0},
    {"Element_Report_Form.Top", Setting_Type::Integer, 20},
    {"Element_Report_Form.Left", Setting_Type::Integer, 100},
    {"Glossary_of_Terms_Form.Top", Setting_Type::Integer, 20},
    {"Glossary_of_Terms_Form.Left", Setting_Type::Integer, 100},
}};

// The keys in the order the close writes them.
inline constexpr std::array<std::string_view, 22> Setting_Write_Order{{
    "WindowState_wsMaximized", "window_top_posn", "window_left_posn", "window_Width", "window_Height",
    "Always_on_Top_Option", "Auto_Run_at_Windows_Startup_Option", "Graph_Type_ComboBox",
    "Other_Non_Metals_Colour_Shape", "Alkali_Metals_Colour_Shape", "Alkaline_Earth_Metals_Colour_Shape",
    "Transition_Metals_Colour_Shape", "Non_Metals_Halogens_Colour_Shape", "Other_Metals_Colour_Shape",
    "Noble_Gases_Colour_Shape", "Lanthanide_Series_Colour_Shape", "Actinide_Series_Colour_Shape",
    "Unknown_Colour_Shape", "Element_Report_Form.Top", "Element_Report_Form.Left",
    "Glossary_of_Terms_Form.Top", "Glossary_of_Terms_Form.Left",
}};

const Setting_Key& Setting_Key_Named(std::string_view name);

// The value of a stored text for a key: an integer in decimal with an optional sign,
// nothing else. Anything that is not one ("abc", "12abc", empty, outside 32 bits) gives
// the key's default; so does a colour outside 0x000000 to 0xFFFFFF, which is no RGB
// colour at all.
std::int32_t Parse_Setting_Value(const Setting_Key& key, std::string_view text);

}  // namespace halvorn
