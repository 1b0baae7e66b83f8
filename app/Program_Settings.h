// The program's settings as data: the options, the chosen graph, the group colours and
// the window placements, and the one table of settings-file keys that gives each its
// name, type, default, place in the read and write passes and field.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "table_view/Table_Colouring.h"

namespace halvorn {

inline constexpr std::string_view Settings_File_Name = "Halvorn.ini";
inline constexpr std::string_view Settings_Section = "Halvorn";
inline constexpr int Group_Colour_Count = 10;

struct Program_Settings {
    std::int32_t Window_Top = 0, Window_Left = 0, Window_Width = 0, Window_Height = 0;
    bool Always_On_Top = false;
    bool Auto_Run = false;
    bool Maximised = false;
    std::int32_t Graph_Index = 0;
    std::int32_t Against_Index = 0;  // what the graph is plotted against
    // In the order of the colour key's swatches (0x00BBGGRR).
    std::array<std::uint32_t, Group_Colour_Count> Colours{};
    std::int32_t Report_Top = 0, Report_Left = 0, Glossary_Top = 0, Glossary_Left = 0;
    // How the table is coloured, and what the views show.
    View_Choice View;
    std::string Formula;  // the molar-mass calculator's

    // Every field at its key's default.
    static Program_Settings Defaults();
    // The same, with the windows' places and sizes, which are design measures, in the
    // pixels of a screen of that DPI (the file holds the screen's own pixels).
    static Program_Settings Defaults_At(int dpi);
};

enum class Setting_Type : std::uint8_t { Integer, Boolean, Colour };

struct Setting_Key {
    std::string_view Name;
    Setting_Type Type;
    std::int32_t Default;
    int Write_Position;  // 0 is written first
    std::int32_t Minimum, Maximum;  // a value outside takes the default
    std::int32_t (*Get)(const Program_Settings&);
    void (*Set)(Program_Settings&, std::int32_t);
};

inline constexpr std::size_t Setting_Key_Count = 28;

// In the order they are read.
extern const std::array<Setting_Key, Setting_Key_Count> Setting_Keys;

// The keys in the order the close writes them.
std::array<const Setting_Key*, Setting_Key_Count> Keys_In_Write_Order();

// The value of a stored text for a key: an integer in decimal with an optional sign,
// nothing else. Anything that is not one ("abc", "12abc", empty, outside 32 bits) gives
// the key's default; so does a value outside the key's range: a colour outside 0x000000
// to 0xFFFFFF, which is no RGB colour at all, or a graph the page does not have. A file
// written before the table had its views lacks their keys, and so opens in the groups.
std::int32_t Parse_Setting_Value(const Setting_Key& key, std::string_view text);

// Keys whose value is text, read and written after the numeric ones.
struct Text_Setting_Key {
    std::string_view Name;
    std::string_view Default;
    std::size_t Longest;  // a longer value takes the default
    std::string Program_Settings::*Field;
};

extern const std::array<Text_Setting_Key, 1> Text_Setting_Keys;

// The stored text without its surrounding blanks; the default when that is empty, longer
// than the key allows or holds a control character.
std::string Parse_Text_Setting(const Text_Setting_Key& key, std::string_view text);

}  // namespace halvorn
