#include "elements/Element_Record.h"

#include <array>

#include "elements/Text_Helpers.h"

namespace halvorn {

Element_Array Elements;
std::int32_t Number_of_Elements = 0;

namespace {

void Reset(Element_Record& record)
{
    // Cleared rather than replaced, so a rebuild reuses the texts' storage.
    for (std::string* text : {&record.Element_Name, &record.Element_Abbreviation, &record.Electron_Configuration,
                              &record.Oxidation_States, &record.Discovered_By, &record.Interesting_Details})
        text->clear();
    for (double* field : {&record.Atomic_Radius, &record.Atomic_Volume, &record.Atomic_Weight,
                          &record.Boiling_Point, &record.Melting_Point, &record.Density,
                          &record.Covalent_Radius, &record.Electron_Negativity,
                          &record.Heat_of_Vaporization, &record.Heat_of_Fusion,
                          &record.Electrical_Conductivity, &record.Thermal_Conductivity,
                          &record.Specific_Heat_Capacity, &record.First_Ionization_Potential})
        *field = Missing_Double;
    for (std::int32_t* field : {&record.Atomic_Number, &record.Synthetic,
                                &record.Acid_Base_Properties, &record.Crystal_Structure,
                                &record.Metal, &record.State, &record.Group,
                                &record.Discovered_Date})
        *field = Missing_Value;
}

// Fills the record column by column, so that a conversion error leaves the columns
// before it filled.
void Fill_Record(const std::string& line, Element_Record& record)
{
    // The line's fields, split once: field(n) is what Get_Field(n, TAB, line) gives.
    std::array<std::string_view, Database_Field_Count + 1> fields{};
    std::string_view rest = line;
    for (std::size_t i = 1; i <= Database_Field_Count && !rest.empty(); ++i) {
        const auto tab = rest.find('\t');
        fields[i] = rest.substr(0, tab);
        rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
    }
    const auto view = [&fields](int column) { return fields[static_cast<std::size_t>(column)]; };
    const auto text = [&view](std::string& field, int column) { field.assign(view(column)); };
    const auto real = [&view](int column) { return Text_To_Double(view(column)); };
    const auto integer = [&view](int column) { return Text_To_Integer(view(column)); };

    text(record.Element_Name, 1);
    text(record.Element_Abbreviation, 2);
    record.Atomic_Number = integer(3);
    record.Atomic_Weight = real(4);
    record.Atomic_Radius = real(5);
    record.Atomic_Volume = real(6);
    record.Boiling_Point = real(7);
    record.Melting_Point = real(8);
    record.Density = real(9);
    record.Covalent_Radius = real(10);
    record.Electron_Negativity = real(11);
    record.Heat_of_Vaporization = real(12);
    record.Heat_of_Fusion = real(13);
    record.Electrical_Conductivity = real(14);
    record.Thermal_Conductivity = real(15);
    record.Specific_Heat_Capacity = real(16);
    record.First_Ionization_Potential = real(17);
    record.Synthetic = integer(18);
    record.Crystal_Structure = integer(19);
    record.Acid_Base_Properties = integer(20);
    text(record.Electron_Configuration, 21);
    text(record.Oxidation_States, 22);
    record.Metal = integer(23);
    record.State = integer(24);
    record.Group = integer(25);
    text(record.Discovered_By, 26);
    record.Discovered_Date = integer(27);
    text(record.Interesting_Details, 28);
}

}  // namespace

std::size_t Count_Text_Lines(std::string_view text)
{
    std::size_t lines = 0;
    for (std::size_t at = 0; at < text.size(); ++lines) {
        const auto end = text.find('\n', at);
        if (end == std::string_view::npos) return lines + 1;
        at = end + 1;
    }
    return lines;
}

std::string_view Text_Line(std::string_view text, std::size_t index)
{
    std::size_t at = 0;
    for (; index > 0; --index) {
        at = text.find('\n', at);
        if (at == std::string_view::npos) return {};
        ++at;
    }
    std::string_view line = text.substr(at, text.find('\n', at) - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::string Normalise_Oxidation_States(std::string_view states)
{
    return Replace_Text(Replace_Text(states, " ", ""), ",", ", ");
}

void Build_Element_Array(std::string_view text, Element_Array& elements,
                         std::int32_t& number_of_elements, Element_Row_Sink* sink)
{
    for (int n = 1; n <= Element_Capacity; ++n) Reset(elements[n]);

    const std::size_t lines = Count_Text_Lines(text);
    const std::size_t rows = lines > 1 ? lines - 1 : 0;
    std::size_t next_line_at = 0;
    for (std::size_t r = 1; r <= rows && r <= Element_Capacity; ++r) {
        number_of_elements = static_cast<std::int32_t>(r);
        // Walk the lines once instead of searching from the start for every row.
        next_line_at = text.find('\n', next_line_at) + 1;
        std::string_view raw = text.substr(next_line_at, text.find('\n', next_line_at) - next_line_at);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

        std::string line(raw);
        Replace_Text_In(line, "--", Missing_Text);
        Replace_Text_In(line, "x10e", "e");
        Element_Record& record = elements[static_cast<int>(r)];
        Fill_Record(line, record);
        record.Oxidation_States = Normalise_Oxidation_States(record.Oxidation_States);
        if (sink) sink->Row_Built(static_cast<std::int32_t>(r), record);
    }
}

}  // namespace halvorn
