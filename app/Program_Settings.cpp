#include "app/Program_Settings.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <type_traits>

#include "elements/Text_Helpers.h"
#include "graphs/Graph_Types.h"

namespace halvorn {

namespace {

template <auto Field>
constexpr Setting_Key Key(std::string_view name, Setting_Type type, std::int32_t default_value, int write_position,
                          std::int32_t minimum = std::numeric_limits<std::int32_t>::min(),
                          std::int32_t maximum = std::numeric_limits<std::int32_t>::max())
{
    return {name, type, default_value, write_position, minimum, maximum,
            [](const Program_Settings& settings) { return static_cast<std::int32_t>(settings.*Field); },
            [](Program_Settings& settings, std::int32_t value) {
                using Value = std::remove_reference_t<decltype(settings.*Field)>;
                if constexpr (std::is_same_v<Value, bool>) settings.*Field = value != 0;
                else settings.*Field = static_cast<Value>(value);
            }};
}

template <int Swatch>
constexpr Setting_Key Colour_Key(std::string_view name, std::int32_t default_value)
{
    return {name, Setting_Type::Colour, default_value, 8 + Swatch, 0, 0xFFFFFF,
            [](const Program_Settings& settings) { return static_cast<std::int32_t>(settings.Colours[Swatch]); },
            [](Program_Settings& settings, std::int32_t value) {
                settings.Colours[Swatch] = static_cast<std::uint32_t>(value);
            }};
}

template <auto Field>
constexpr Setting_Key View_Key(std::string_view name, std::int32_t default_value, int write_position,
                               std::int32_t minimum, std::int32_t maximum)
{
    return {name, Setting_Type::Integer, default_value, write_position, minimum, maximum,
            [](const Program_Settings& settings) { return static_cast<std::int32_t>(settings.View.*Field); },
            [](Program_Settings& settings, std::int32_t value) {
                settings.View.*Field = static_cast<std::remove_reference_t<decltype(settings.View.*Field)>>(value);
            }};
}

using S = Program_Settings;
using V = View_Choice;
using enum Setting_Type;

}  // namespace

const std::array<Setting_Key, Setting_Key_Count> Setting_Keys{{
    Key<&S::Window_Top>("window_top_posn", Integer, 20, 1),
    Key<&S::Window_Left>("window_left_posn", Integer, 20, 2),
    Key<&S::Window_Width>("window_Width", Integer, 681, 3),
    Key<&S::Window_Height>("window_Height", Integer, 481, 4),
    Key<&S::Always_On_Top>("Always_on_Top_Option", Boolean, 0, 5),
    Key<&S::Auto_Run>("Auto_Run_at_Windows_Startup_Option", Boolean, 0, 6),
    Key<&S::Maximised>("WindowState_wsMaximized", Boolean, 0, 0),
    Key<&S::Graph_Index>("Graph_Type_ComboBox", Integer, 0, 7, 0, Graph_Type_Count - 1),
    Colour_Key<0>("Other_Non_Metals_Colour_Shape", 0xFFFFFF),
    Colour_Key<1>("Alkali_Metals_Colour_Shape", 0x0000FF),
    Colour_Key<2>("Alkaline_Earth_Metals_Colour_Shape", 0x00FF00),
    Colour_Key<3>("Transition_Metals_Colour_Shape", 0x00FFFF),
    Colour_Key<4>("Non_Metals_Halogens_Colour_Shape", 0xFF00FF),
    Colour_Key<5>("Other_Metals_Colour_Shape", 0xFF0000),
    Colour_Key<6>("Noble_Gases_Colour_Shape", 0xFFFF00),
    Colour_Key<7>("Lanthanide_Series_Colour_Shape", 0x008000),
    Colour_Key<8>("Actinide_Series_Colour_Shape", 0x808000),
    Colour_Key<9>("Unknown_Colour_Shape", 0xC0C0C0),
    Key<&S::Report_Top>("Element_Report_Form.Top", Integer, 20, 18),
    Key<&S::Report_Left>("Element_Report_Form.Left", Integer, 100, 19),
    Key<&S::Glossary_Top>("Glossary_of_Terms_Form.Top", Integer, 20, 20),
    Key<&S::Glossary_Left>("Glossary_of_Terms_Form.Left", Integer, 100, 21),
    View_Key<&V::View>("Colour_By_Option", 0, 22, 0, Table_View_Count - 1),
    View_Key<&V::Property>("Colour_Property_ComboBox", 6, 23, 0, Graph_Type_Count - 1),
    View_Key<&V::Temperature>("Temperature_Hundredths_Kelvin", 27315, 24, Lowest_Temperature, Highest_Temperature),
    View_Key<&V::Unit>("Temperature_Unit_ComboBox", 0, 25, 0, Temperature_Unit_Count - 1),
    View_Key<&V::Year>("Discovery_Year_TrackBar", 1869, 26, -100000, 100000),
    Key<&S::Against_Index>("Plotted_Against_ComboBox", Integer, 0, 27, 0, Graph_Against_Count - 1),
}};

const std::array<Text_Setting_Key, 1> Text_Setting_Keys{{
    {"Molar_Mass_Formula", "CuSO4\xB7" "5H2O", 200, &S::Formula},
}};

Program_Settings Program_Settings::Defaults()
{
    Program_Settings settings;
    for (const Setting_Key& key : Setting_Keys) key.Set(settings, key.Default);
    for (const Text_Setting_Key& key : Text_Setting_Keys) settings.*key.Field = key.Default;
    return settings;
}

Program_Settings Program_Settings::Defaults_At(int dpi)
{
    Program_Settings defaults = Defaults();
    for (std::int32_t* measure : {&defaults.Window_Top, &defaults.Window_Left, &defaults.Window_Width,
                                  &defaults.Window_Height, &defaults.Report_Top, &defaults.Report_Left,
                                  &defaults.Glossary_Top, &defaults.Glossary_Left})
        *measure = *measure * dpi / 96;  // truncated, as every design measure is
    return defaults;
}

std::array<const Setting_Key*, Setting_Key_Count> Keys_In_Write_Order()
{
    std::array<const Setting_Key*, Setting_Key_Count> order{};
    for (const Setting_Key& key : Setting_Keys) order[static_cast<std::size_t>(key.Write_Position)] = &key;
    return order;
}

std::int32_t Parse_Setting_Value(const Setting_Key& key, std::string_view text)
{
    std::int32_t value = 0;
    try {
        value = Text_To_Integer(text);
    } catch (const Conversion_Error&) {
        return key.Default;
    }
    return value < key.Minimum || value > key.Maximum ? key.Default : value;
}

std::string Parse_Text_Setting(const Text_Setting_Key& key, std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::string(key.Default);
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    const bool control = std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    return text.size() > key.Longest || control ? std::string(key.Default) : std::string(text);
}

}  // namespace halvorn
