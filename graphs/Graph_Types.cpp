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

std::string Graph_Against_Text(int against_index)
{
    if (against_index == 0) return "Atomic Order";
    if (against_index < 0 || against_index >= Graph_Against_Count) return {};
    return std::string(Graph_Type_Texts[static_cast<std::size_t>(against_index - 1)]);
}

std::string Property_Title(int graph_index)
{
    if (graph_index < 0 || graph_index >= Graph_Type_Count) return {};
    std::string title(Graph_Type_Texts[static_cast<std::size_t>(graph_index)]);
    while (!title.empty() && title.back() == ' ') title.pop_back();
    // The one property whose item leaves its unit out.
    return graph_index == 9 ? title + " (eV)" : title;
}

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

// Calls plot for the elements that have both properties, x first.
template <typename Plot>
void For_Each_Pair(int graph_index, int against_index, const Element_Array& elements, Plot plot)
{
    if (against_index < 1 || against_index >= Graph_Against_Count) return;
    For_Each_Plotted(graph_index, elements, Element_Capacity, [&](int number, double y) {
        const double x = Graph_Value(elements[number], against_index - 1);
        if (x != Missing_Double) plot(number, x, y);
    });
}

std::vector<int> Graph_Element_Numbers(int graph_index, const Element_Array& elements, int against_index)
{
    std::vector<int> numbers;
    if (against_index > 0)
        For_Each_Pair(graph_index, against_index, elements, [&](int number, double, double) { numbers.push_back(number); });
    else
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

std::string Graph_Point_Text(const Element_Record& element, int graph_index, const Number_Separators& separators,
                             int against_index)
{
    const std::string shown = Graph_Value_Text(element, graph_index, separators);
    if (shown.empty()) return {};
    const std::string against = against_index > 0 ? Graph_Value_Text(element, against_index - 1, separators) : "";
    if (against_index > 0 && against.empty()) return {};
    return element.Element_Name + " (" + element.Element_Abbreviation + "), " + std::to_string(element.Atomic_Number) +
           " : " + shown + (against.empty() ? "" : " against " + against);
}

void Prepare_Property_Graph(Chart_Model& chart, int graph_index, const Element_Array& elements,
                            const Number_Separators& separators, int against_index)
{
    const bool listed = graph_index >= 0 && graph_index < Graph_Type_Count;
    chart.Legend_Visible = false;
    chart.Title.Clear();
    chart.Scatter = listed && against_index > 0 && against_index < Graph_Against_Count;
    chart.Left_Axis.Title = chart.Scatter ? Property_Title(graph_index) : "";
    chart.Bottom_Axis.Title = chart.Scatter ? Property_Title(against_index - 1) : "";
    if (chart.Scatter)
        chart.Title.Append(Property_Title(graph_index) + " against " + Property_Title(against_index - 1));
    else if (listed)
        chart.Title.Append(std::string(Graph_Type_Texts[static_cast<std::size_t>(graph_index)]));
    chart.Title.Font = {16, true};
    chart.Left_Axis.Label_Font = {12, true};
    chart.Series.Marks_Visible = false;
    chart.Bottom_Axis.Value_Format = chart.Series.Value_Format;
    chart.Separators = {separators.Thousands, separators.Decimal};
    chart.Series.Clear();
    if (!chart.Scatter) {
        Fill_Graph_Series(chart.Series, graph_index, elements);
        return;
    }
    For_Each_Pair(graph_index, against_index, elements, [&](int number, double x, double y) {
        chart.Series.Add_At(x, y, elements[number].Element_Abbreviation);
    });
}

}  // namespace halvorn
