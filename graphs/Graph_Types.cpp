#include "graphs/Graph_Types.h"

#include <algorithm>

namespace halvorn {

const std::array<std::string_view, Graph_Type_Count> Graph_Type_Texts = {
    "Atomic Number",
    "Atomic Radius (A)",
    "Atomic Volume (cm^3/mol) ",
    "Atomic Weight",
    "Boiling Point (K)",
    "Bonding (Covalent) Radius (A)",
    "Density (g/mL) ",
    "Electrical Conductivity",
    "Electron Negativity",
    "First Ionization Potential ",
    "Heat of Fusion (kJ/mol)",
    "Heat of Vaporization (kJ/mol)",
    "Melting Point (K)",
    "Specific Heat Capacity (at 300 K) (J/gK) ",
    "Thermal Conductivity (at 300 K) (W/mK) ",
    "Year of Discovery",
};

double Graph_Value(const Element_Record& element, int graph_index)
{
    switch (graph_index) {
    case 0: return element.Atomic_Number;
    case 1: return element.Atomic_Radius;
    case 2: return element.Atomic_Volume;
    case 3: return element.Atomic_Weight;
    case 4: return element.Boiling_Point;
    case 5: return element.Covalent_Radius;
    case 6: return element.Density;
    case 7: return element.Electrical_Conductivity;
    case 8: return element.Electron_Negativity;
    case 9: return element.First_Ionization_Potential;
    case 10: return element.Heat_of_Fusion;
    case 11: return element.Heat_of_Vaporization;
    case 12: return element.Melting_Point;
    case 13: return element.Specific_Heat_Capacity;
    case 14: return element.Thermal_Conductivity;
    case 15: return element.Discovered_Date;
    default: return Missing_Double;
    }
}

namespace {

// Calls plot for records 1 to last_record in order that have the property.
template <typename Plot>
void For_Each_Plotted(int graph_index, const Element_Array& elements, int last_record, Plot plot)
{
    if (graph_index < 0 || graph_index >= Graph_Type_Count) return;
    const int last = std::clamp(last_record, 0, Element_Capacity);
    for (int number = 1; number <= last; ++number) {
        const double value = Graph_Value(elements[number], graph_index);
        // Only the mark is left out: years such as -1000 and values of 0 are plotted.
        if (value != Missing_Double) plot(number, value);
    }
}

// Decimals of each property as the report prints it; -1 for a whole year.
constexpr int Report_Decimals[Graph_Type_Count] = {0, 2, 2, 4, 2, 2, 2, 2, 2, 3, 2, 2, 2, 2, 2, -1};

}  // namespace

void Fill_Graph_Series(Chart_Series& series, int graph_index, const Element_Array& elements, int last_record)
{
    For_Each_Plotted(graph_index, elements, last_record, [&](int number, double value) {
        series.Add(value, elements[number].Element_Abbreviation, Series_Own_Colour);
    });
}

std::vector<int> Graph_Element_Numbers(int graph_index, const Element_Array& elements)
{
    std::vector<int> numbers;
    For_Each_Plotted(graph_index, elements, Element_Capacity, [&](int number, double) { numbers.push_back(number); });
    return numbers;
}

std::string Graph_Value_Text(const Element_Record& element, int graph_index, const Number_Separators& separators)
{
    const double value = Graph_Value(element, graph_index);
    if (value == Missing_Double) return {};
    const int decimals = Report_Decimals[graph_index];
    return decimals < 0 ? std::to_string(element.Discovered_Date) : Format_Report_Value(decimals, value, separators);
}

std::string Graph_Point_Text(const Element_Record& element, int graph_index, const Number_Separators& separators)
{
    const std::string shown = Graph_Value_Text(element, graph_index, separators);
    if (shown.empty()) return {};
    return element.Element_Name + " (" + element.Element_Abbreviation + "), " + std::to_string(element.Atomic_Number) +
           " : " + shown;
}

void Prepare_Property_Graph(Chart_Model& chart, int graph_index, const Element_Array& elements,
                            const Number_Separators& separators)
{
    chart.Legend_Visible = false;
    chart.Title.Clear();
    if (graph_index >= 0 && graph_index < Graph_Type_Count)
        chart.Title.Append(std::string(Graph_Type_Texts[static_cast<std::size_t>(graph_index)]));
    chart.Title.Font = {16, true};
    chart.Left_Axis.Label_Font = {12, true};
    chart.Series.Marks_Visible = false;
    chart.Bottom_Axis.Value_Format = chart.Series.Value_Format;
    chart.Separators = {separators.Thousands, separators.Decimal};
    chart.Series.Clear();
    Fill_Graph_Series(chart.Series, graph_index, elements);
}

}  // namespace halvorn
