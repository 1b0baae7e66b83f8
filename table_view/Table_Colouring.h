// The ways of colouring the table besides its groups: by block, by metal class, by state
// at a temperature, by a property on a colour scale and by year of discovery. Each gives
// a box its fill, a text colour readable on it and a few words for its tip.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "elements/Element_Record.h"

namespace halvorn {

enum class Table_View : std::uint8_t { Group, Block, Metal, State, Property, Year };
inline constexpr int Table_View_Count = 6;

enum class Temperature_Unit : std::uint8_t { Kelvin, Celsius, Fahrenheit };
inline constexpr int Temperature_Unit_Count = 3;
inline constexpr std::string_view Temperature_Unit_Names[] = {"K", "\xB0" "C", "\xB0" "F"};

// Temperatures are kept in hundredths of a kelvin, so that 0 °C (273.15 K) is exact.
inline constexpr std::int32_t Lowest_Temperature = 0;
inline constexpr std::int32_t Highest_Temperature = 600000;

// What the settings keep of the views.
struct View_Choice {
    Table_View View = Table_View::Group;
    std::int32_t Property = 6;          // a graph index: density
    std::int32_t Temperature = 27315;   // 0 °C, where the stored states hold
    Temperature_Unit Unit = Temperature_Unit::Kelvin;
    std::int32_t Year = 1869;           // the year of the first periodic table
};

// The key of a view with a few kinds: up to four entries, in the key's order.
struct Key_Entry {
    std::string_view Caption;
    std::uint32_t Colour;  // 0x00BBGGRR
};
std::vector<Key_Entry> Key_Entries(Table_View view);

// Kinds, in the order of their key entries.
enum class Element_Block : std::uint8_t { S, P, D, F, Unknown };
enum class Metal_Class : std::uint8_t { Metal, Metalloid, Non_Metal, Unknown };
enum class Matter_State : std::uint8_t { Solid, Liquid, Gas, Unknown };

// Lanthanides and actinides are f; otherwise the last kind of subshell the configuration
// names beyond its noble-gas core, p before d before s.
Element_Block Block_Of(const Element_Record& element);
Metal_Class Metal_Class_Of(const Element_Record& element);
// Solid up to the melting point, liquid below the boiling point, gas from it; unknown
// where a point needed to tell is missing.
Matter_State State_At(const Element_Record& element, std::int32_t temperature);
// Discovered in or before year; an element without a year is not counted as known.
bool Known_By(const Element_Record& element, std::int32_t year);

// A property's colour scale over the elements that have it: logarithmic when every value
// is positive and they span more than two decades.
struct Property_Scale {
    bool Empty = true;
    bool Logarithmic = false;
    double Minimum = 0, Maximum = 0;
};
Property_Scale Property_Scale_For(int graph_index, const Element_Array& elements, int rows);
// Where a value stands on the scale, 0 to 1; nothing for a missing value.
std::optional<double> Scale_Position(const Property_Scale& scale, double value);
// A perceptually even scale from dark violet through teal to yellow, which colour-blind
// readers see in the same order.
std::uint32_t Gradient_Colour(double position);
// Round values to number the scale at, within it: decades on a logarithmic scale.
std::vector<double> Scale_Ticks(const Property_Scale& scale, int max_ticks);
// A number of the scale in the chart's format, with decimals enough for small values.
std::string Scale_Number(double value);

// Boxes of elements without a value, state or block.
inline constexpr std::uint32_t No_Value_Colour = 0xC0C0C0;
// An element not yet known in the year view: its group colour, mostly faded to white.
std::uint32_t Faded_Colour(std::uint32_t colour);
// Black text on a light fill, white on a dark one, by the fill's relative luminance.
std::uint32_t Readable_Text_Colour(std::uint32_t fill);

// "273.15" in kelvin, "0" in degrees Celsius; Temperature_Text adds the unit ("0 °C").
std::string Degrees_Text(std::int32_t temperature, Temperature_Unit unit);
std::string Temperature_Text(std::int32_t temperature, Temperature_Unit unit);
// The temperature in the unit, rounded to a whole degree (for a slider).
int Whole_Degrees(std::int32_t temperature, Temperature_Unit unit);
std::int32_t Temperature_From(double degrees, Temperature_Unit unit);
// Typed text in the unit ("-40", "273.15", "98,6"), within the lowest and highest
// temperature; nothing for anything else.
std::optional<std::int32_t> Parse_Temperature(std::string_view text, Temperature_Unit unit);
// "ancient" for the earliest year in the data, "235 BC" before year 1.
std::string Year_Text(std::int32_t year, std::int32_t earliest);

// The box of one element in a view other than the groups. group_colour is its group's
// swatch colour; scale is the property's, for the property view.
struct Box_Colours {
    std::uint32_t Fill;
    std::uint32_t Text;
};
Box_Colours View_Box_Colours(const View_Choice& choice, const Element_Record& element, std::uint32_t group_colour,
                             const Property_Scale& scale);
// What the view says of an element, for its tip: "solid at 300 K", "density 7.87 g/mL";
// empty in the group view.
std::string View_Value_Text(const View_Choice& choice, const Element_Record& element, std::int32_t earliest_year);

}  // namespace halvorn
