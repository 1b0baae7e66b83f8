#include "table_view/Table_Colouring.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "chart/Chart_Axis_Scale.h"
#include "chart/Chart_Number_Format.h"
#include "graphs/Graph_Types.h"

namespace halvorn {

namespace {

constexpr std::uint32_t Rgb(int red, int green, int blue)
{
    return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
           static_cast<std::uint32_t>(blue) << 16;
}

// Colours that readers with any common colour blindness still tell apart.
constexpr std::array<Key_Entry, 4> Block_Key{{{"s-block", Rgb(86, 180, 233)},
                                              {"p-block", Rgb(240, 228, 66)},
                                              {"d-block", Rgb(204, 121, 167)},
                                              {"f-block", Rgb(0, 158, 115)}}};
constexpr std::array<Key_Entry, 4> Metal_Key{{{"Metals", Rgb(0, 114, 178)},
                                              {"Metalloids", Rgb(230, 159, 0)},
                                              {"Non-Metals", Rgb(240, 228, 66)},
                                              {"Unknown", No_Value_Colour}}};
constexpr std::array<Key_Entry, 4> State_Key{{{"Solid", Rgb(0, 114, 178)},
                                              {"Liquid", Rgb(213, 94, 0)},
                                              {"Gas", Rgb(86, 180, 233)},
                                              {"Unknown", No_Value_Colour}}};

// The viridis scale at nine even steps.
constexpr std::array<std::uint32_t, 9> Gradient_Stops{
    Rgb(68, 1, 84),    Rgb(71, 45, 123),  Rgb(59, 82, 139),  Rgb(44, 114, 142), Rgb(33, 145, 140),
    Rgb(40, 174, 128), Rgb(94, 201, 98),  Rgb(173, 220, 48), Rgb(253, 231, 37)};

constexpr std::string_view Block_Words[] = {"s-block", "p-block", "d-block", "f-block", "block unknown"};
constexpr std::string_view Metal_Words[] = {"metal", "metalloid", "non-metal", "metal class unknown"};
constexpr std::string_view State_Words[] = {"solid", "liquid", "gas", "state unknown"};

int Channel(std::uint32_t colour, int shift) { return static_cast<int>(colour >> shift & 0xFF); }

template <std::size_t N>
std::uint32_t Kind_Colour(const std::array<Key_Entry, N>& key, std::size_t kind)
{
    return kind < key.size() ? key[kind].Colour : No_Value_Colour;
}

double Degrees_In(std::int32_t temperature, Temperature_Unit unit)
{
    switch (unit) {
    case Temperature_Unit::Celsius: return (temperature - 27315) / 100.0;
    case Temperature_Unit::Fahrenheit: return (temperature - 27315) * 9 / 500.0 + 32;
    default: return temperature / 100.0;
    }
}

// "density" and "g/mL" of "Density (g/mL) ": the words without their brackets, and the
// bracket that ends the item.
std::pair<std::string, std::string> Property_Name_And_Unit(int graph_index)
{
    std::string_view text = Graph_Type_Texts[static_cast<std::size_t>(graph_index)];
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    std::string unit;
    if (!text.empty() && text.back() == ')') {
        const std::size_t open = text.rfind('(');
        unit = text.substr(open + 1, text.size() - open - 2);
        text = text.substr(0, open);
    }
    std::string name;
    int depth = 0;
    for (const char c : text) {
        if (c == '(') ++depth;
        else if (c == ')') --depth;
        else if (depth == 0 && !(c == ' ' && (name.empty() || name.back() == ' ')))
            name += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return {name, unit};
}

}  // namespace

std::vector<Key_Entry> Key_Entries(Table_View view)
{
    switch (view) {
    case Table_View::Block: return {Block_Key.begin(), Block_Key.end()};
    case Table_View::Metal: return {Metal_Key.begin(), Metal_Key.end()};
    case Table_View::State: return {State_Key.begin(), State_Key.end()};
    default: return {};
    }
}

Element_Block Block_Of(const Element_Record& element)
{
    if (element.Group == 7 || element.Group == 8) return Element_Block::F;
    bool p = false, d = false, s = false;
    std::string_view configuration = element.Electron_Configuration;
    if (configuration == Missing_Text) return Element_Block::Unknown;
    while (!configuration.empty()) {
        const std::size_t end = std::min(configuration.find(' '), configuration.size());
        const std::string_view part = configuration.substr(0, end);
        configuration.remove_prefix(std::min(end + 1, configuration.size()));
        // "4p3": the kind follows the shell's number; "[Ar]" is the core.
        const std::size_t letter = part.find_first_not_of("0123456789");
        if (part.empty() || letter == 0 || letter == std::string_view::npos) continue;
        p = p || part[letter] == 'p';
        d = d || part[letter] == 'd';
        s = s || part[letter] == 's';
    }
    return p ? Element_Block::P : d ? Element_Block::D : s ? Element_Block::S : Element_Block::Unknown;
}

Metal_Class Metal_Class_Of(const Element_Record& element)
{
    switch (element.Metal) {
    case 1: return Metal_Class::Metal;
    case 2: return Metal_Class::Non_Metal;
    case 3: return Metal_Class::Metalloid;
    default: return Metal_Class::Unknown;
    }
}

Matter_State State_At(const Element_Record& element, std::int32_t temperature)
{
    const double kelvin = temperature / 100.0;
    const bool melts = element.Melting_Point != Missing_Double, boils = element.Boiling_Point != Missing_Double;
    if (melts && kelvin <= element.Melting_Point) return Matter_State::Solid;
    if (boils && kelvin >= element.Boiling_Point) return Matter_State::Gas;
    return melts && boils ? Matter_State::Liquid : Matter_State::Unknown;
}

bool Known_By(const Element_Record& element, std::int32_t year)
{
    return element.Discovered_Date != Missing_Value && element.Discovered_Date <= year;
}

Property_Scale Property_Scale_For(int graph_index, const Element_Array& elements, int rows)
{
    Property_Scale scale;
    for (int number = 1; number <= std::min(rows, Element_Capacity); ++number) {
        const double value = Graph_Value(elements[number], graph_index);
        if (value == Missing_Double) continue;
        scale.Minimum = scale.Empty ? value : std::min(scale.Minimum, value);
        scale.Maximum = scale.Empty ? value : std::max(scale.Maximum, value);
        scale.Empty = false;
    }
    scale.Logarithmic = !scale.Empty && scale.Minimum > 0 && scale.Maximum / scale.Minimum > 100;
    return scale;
}

std::optional<double> Scale_Position(const Property_Scale& scale, double value)
{
    if (scale.Empty || value == Missing_Double) return std::nullopt;
    if (scale.Maximum == scale.Minimum) return 0.5;
    const double position =
        scale.Logarithmic
            ? (std::log10(value) - std::log10(scale.Minimum)) / (std::log10(scale.Maximum) - std::log10(scale.Minimum))
            : (value - scale.Minimum) / (scale.Maximum - scale.Minimum);
    return std::clamp(position, 0.0, 1.0);
}

std::uint32_t Gradient_Colour(double position)
{
    const double at = std::clamp(position, 0.0, 1.0) * (Gradient_Stops.size() - 1);
    const std::size_t low = std::min(static_cast<std::size_t>(at), Gradient_Stops.size() - 2);
    const double part = at - static_cast<double>(low);
    const auto mix = [&](int shift) {
        const double from = Channel(Gradient_Stops[low], shift), to = Channel(Gradient_Stops[low + 1], shift);
        return static_cast<std::uint32_t>(std::lround(from + (to - from) * part)) << shift;
    };
    return mix(0) | mix(8) | mix(16);
}

std::vector<double> Scale_Ticks(const Property_Scale& scale, int max_ticks)
{
    std::vector<double> ticks;
    if (scale.Empty) return ticks;
    if (scale.Logarithmic) {
        const int first = static_cast<int>(std::ceil(std::log10(scale.Minimum) - 1e-9));
        const int last = static_cast<int>(std::floor(std::log10(scale.Maximum) + 1e-9));
        const int every = std::max(1, (last - first + max_ticks) / std::max(max_ticks, 1));
        for (int decade = first; decade <= last; decade += every) ticks.push_back(std::pow(10.0, decade));
        return ticks;
    }
    for (const double tick : Nice_Axis_Scale(scale.Minimum, scale.Maximum, max_ticks).Ticks)
        if (tick >= scale.Minimum && tick <= scale.Maximum) ticks.push_back(tick);
    return ticks;
}

std::string Scale_Number(double value)
{
    const double magnitude = std::fabs(value);
    const int decimals = magnitude >= 1 || magnitude == 0 ? 2
                                                          : std::min(9, static_cast<int>(std::ceil(-std::log10(magnitude))) + 1);
    return Format_Chart_Number(value, "#,##0." + std::string(static_cast<std::size_t>(decimals), '#'));
}

std::uint32_t Faded_Colour(std::uint32_t colour)
{
    const auto fade = [&](int shift) {
        const int channel = Channel(colour, shift);
        return static_cast<std::uint32_t>(channel + (255 - channel) * 3 / 4) << shift;
    };
    return fade(0) | fade(8) | fade(16);
}

std::uint32_t Readable_Text_Colour(std::uint32_t fill)
{
    const auto linear = [&](int shift) {
        const double c = Channel(fill, shift) / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear(0) + 0.7152 * linear(8) + 0.0722 * linear(16);
    // Above this, black text stands out more than white does.
    return luminance > 0.179 ? Rgb(0, 0, 0) : Rgb(255, 255, 255);
}

std::string Degrees_Text(std::int32_t temperature, Temperature_Unit unit)
{
    return Format_Chart_Number(Degrees_In(temperature, unit), "0.##");
}

std::string Temperature_Text(std::int32_t temperature, Temperature_Unit unit)
{
    return Degrees_Text(temperature, unit) + " " +
           std::string(Temperature_Unit_Names[static_cast<std::size_t>(unit)]);
}

int Whole_Degrees(std::int32_t temperature, Temperature_Unit unit)
{
    return static_cast<int>(std::lround(Degrees_In(temperature, unit)));
}

std::int32_t Temperature_From(double degrees, Temperature_Unit unit)
{
    double hundredths = degrees * 100;
    if (unit == Temperature_Unit::Celsius) hundredths += 27315;
    if (unit == Temperature_Unit::Fahrenheit) hundredths = (degrees - 32) * 500 / 9 + 27315;
    return static_cast<std::int32_t>(std::clamp(std::round(hundredths), -1e9, 1e9));
}

std::optional<std::int32_t> Parse_Temperature(std::string_view text, Temperature_Unit unit)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    std::string number(text);
    std::replace(number.begin(), number.end(), ',', '.');
    const std::size_t sign = number.find_last_of("+-");
    if (number.empty() || number.size() > 20 || number.find_first_not_of("+-.0123456789") != std::string::npos ||
        (sign != std::string::npos && sign != 0))
        return std::nullopt;
    double degrees = 0;
    const char* start = number.data() + (number.front() == '+' ? 1 : 0);
    const auto [end, error] = std::from_chars(start, number.data() + number.size(), degrees);
    if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
    const std::int32_t temperature = Temperature_From(degrees, unit);
    if (temperature < Lowest_Temperature || temperature > Highest_Temperature) return std::nullopt;
    return temperature;
}

std::string Year_Text(std::int32_t year, std::int32_t earliest)
{
    if (year <= earliest) return "ancient";
    return year < 0 ? std::to_string(-static_cast<std::int64_t>(year)) + " BC" : std::to_string(year);
}

Box_Colours View_Box_Colours(const View_Choice& choice, const Element_Record& element, std::uint32_t group_colour,
                             const Property_Scale& scale)
{
    std::uint32_t fill = group_colour;
    switch (choice.View) {
    case Table_View::Block: fill = Kind_Colour(Block_Key, static_cast<std::size_t>(Block_Of(element))); break;
    case Table_View::Metal: fill = Kind_Colour(Metal_Key, static_cast<std::size_t>(Metal_Class_Of(element))); break;
    case Table_View::State:
        fill = Kind_Colour(State_Key, static_cast<std::size_t>(State_At(element, choice.Temperature)));
        break;
    case Table_View::Property: {
        const std::optional<double> at = Scale_Position(scale, Graph_Value(element, choice.Property));
        fill = at ? Gradient_Colour(*at) : No_Value_Colour;
        break;
    }
    case Table_View::Year:
        if (!Known_By(element, choice.Year)) fill = Faded_Colour(group_colour);
        break;
    case Table_View::Group: break;
    }
    return {fill, Readable_Text_Colour(fill)};
}

std::string View_Value_Text(const View_Choice& choice, const Element_Record& element, std::int32_t earliest_year)
{
    switch (choice.View) {
    case Table_View::Block: return std::string(Block_Words[static_cast<std::size_t>(Block_Of(element))]);
    case Table_View::Metal: return std::string(Metal_Words[static_cast<std::size_t>(Metal_Class_Of(element))]);
    case Table_View::State:
        return std::string(State_Words[static_cast<std::size_t>(State_At(element, choice.Temperature))]) + " at " +
               Temperature_Text(choice.Temperature, choice.Unit);
    case Table_View::Property: {
        if (choice.Property < 0 || choice.Property >= Graph_Type_Count) return {};
        const auto [name, unit] = Property_Name_And_Unit(choice.Property);
        const std::string value = Graph_Value_Text(element, choice.Property);
        if (value.empty()) return name + " unknown";
        return name + " " + value + (unit.empty() ? "" : " " + unit);
    }
    case Table_View::Year:
        if (element.Discovered_Date == Missing_Value) return "year of discovery unknown";
        if (element.Discovered_Date <= earliest_year) return "known since ancient times";
        return "discovered " + Year_Text(element.Discovered_Date, earliest_year);
    case Table_View::Group: break;
    }
    return {};
}

}  // namespace halvorn
