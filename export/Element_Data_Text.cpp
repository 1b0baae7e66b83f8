#include "export/Element_Data_Text.h"

#include <charconv>
#include <functional>
#include <vector>

#include "elements/Code_Tables.h"

namespace halvorn {

namespace {

std::string Number(double value)
{
    if (value == Missing_Double) return {};
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return std::string(text, written.ptr);
}

std::string Whole(std::int32_t value) { return value == Missing_Value ? std::string() : std::to_string(value); }

std::string Text(const std::string& value) { return value == Missing_Text ? std::string() : value; }

template <int First, int Count>
std::string Name(const Code_Names<First, Count>& names, std::int32_t code)
{
    return names.Holds(code) ? std::string(names[code]) : std::string();
}

struct Column {
    std::string_view Heading;
    std::function<std::string(const Element_Record&)> Cell;
};

using R = const Element_Record&;

const std::vector<Column>& Columns()
{
    static const std::vector<Column> columns = {
        {"Atomic Number", [](R e) { return Whole(e.Atomic_Number); }},
        {"Symbol", [](R e) { return Text(e.Element_Abbreviation); }},
        {"Name", [](R e) { return Text(e.Element_Name); }},
        {"Atomic Weight", [](R e) { return Number(e.Atomic_Weight); }},
        {"Atomic Volume (cm^3/mol)", [](R e) { return Number(e.Atomic_Volume); }},
        {"Atomic Radius (A)", [](R e) { return Number(e.Atomic_Radius); }},
        {"Bonding (Covalent) Radius (A)", [](R e) { return Number(e.Covalent_Radius); }},
        {"Melting Point (K)", [](R e) { return Number(e.Melting_Point); }},
        {"Boiling Point (K)", [](R e) { return Number(e.Boiling_Point); }},
        {"State (at 0 Degrees C)", [](R e) { return Name(State_Names, e.State); }},
        {"Density (g/mL)", [](R e) { return Number(e.Density); }},
        {"Electron Negativity", [](R e) { return Number(e.Electron_Negativity); }},
        {"Heat of Vaporization (kJ/mol)", [](R e) { return Number(e.Heat_of_Vaporization); }},
        {"Heat of Fusion (kJ/mol)", [](R e) { return Number(e.Heat_of_Fusion); }},
        {"Electrical Conductivity", [](R e) { return Number(e.Electrical_Conductivity); }},
        {"Thermal Conductivity (W/mK)", [](R e) { return Number(e.Thermal_Conductivity); }},
        {"Specific Heat Capacity (J/gK)", [](R e) { return Number(e.Specific_Heat_Capacity); }},
        {"First Ionization Potential (eV)", [](R e) { return Number(e.First_Ionization_Potential); }},
        {"Acid or Base Properties", [](R e) { return Name(Acid_Base_Names, e.Acid_Base_Properties); }},
        {"Crystal Structure", [](R e) { return Name(Crystal_Structure_Names, e.Crystal_Structure); }},
        {"Electron Configuration", [](R e) { return Text(e.Electron_Configuration); }},
        {"Oxidation States", [](R e) { return Text(e.Oxidation_States); }},
        {"Element Type", [](R e) { return Name(Metal_Names, e.Metal); }},
        {"Element Group", [](R e) { return Name(Group_Names, e.Group); }},
        {"Synthetic", [](R e) { return Name(Synthetic_Names, e.Synthetic); }},
        {"Discovered by", [](R e) { return Text(e.Discovered_By); }},
        {"Discovered Year", [](R e) { return Whole(e.Discovered_Date); }},
    };
    return columns;
}

template <typename Cell_Text>
std::string Table(const Element_Array& elements, char separator, Cell_Text cell_text)
{
    std::string text;
    const auto add_row = [&](auto cell_of) {
        bool first = true;
        for (const Column& column : Columns()) {
            if (!first) text += separator;
            first = false;
            text += cell_text(cell_of(column));
        }
        text += "\r\n";
    };
    add_row([](const Column& column) { return std::string(column.Heading); });
    for (int number = 1; number <= Element_Capacity; ++number)
        add_row([&](const Column& column) { return column.Cell(elements[number]); });
    return text;
}

}  // namespace

std::string Element_Data_Tsv(const Element_Array& elements)
{
    return Table(elements, '\t', [](std::string cell) {
        for (char& c : cell)
            if (c == '\t' || c == '\r' || c == '\n') c = ' ';
        return cell;
    });
}

std::string Element_Data_Csv(const Element_Array& elements)
{
    return Table(elements, ',', [](const std::string& cell) {
        if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
        std::string quoted = "\"";
        for (const char c : cell) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        return quoted + "\"";
    });
}

std::string Utf8_From_Windows_1252(std::string_view text)
{
    // The code page's characters at 0x80 to 0x9F; 0 where it leaves the byte unassigned.
    static constexpr char16_t High[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
    };
    std::string utf8;
    utf8.reserve(text.size());
    for (const char byte : text) {
        unsigned code = static_cast<unsigned char>(byte);
        if (code >= 0x80 && code < 0xA0 && High[code - 0x80] != 0) code = High[code - 0x80];
        if (code < 0x80) {
            utf8 += static_cast<char>(code);
        } else if (code < 0x800) {
            utf8 += static_cast<char>(0xC0 | code >> 6);
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | code >> 12);
            utf8 += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return utf8;
}

}  // namespace halvorn
