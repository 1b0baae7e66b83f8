// The properties the graph page can plot, and the series each one gives.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "chart/Chart_Model.h"
#include "elements/Element_Record.h"
#include "report/Report_Number_Format.h"

namespace halvorn {

inline constexpr int Graph_Type_Count = 16;

// The graph type list's items in their (sorted) order; the index selects the property.
// Some end in a blank, which belongs to the item and to the graph's title.
extern const std::array<std::string_view, Graph_Type_Count> Graph_Type_Texts;

// The property graph_index plots for the element (integer fields converted);
// Missing_Double when it has none or the index is outside 0 to 15.
double Graph_Value(const Element_Record& element, int graph_index);

// Appends, for records 1 to last_record in order, one point per element that has the
// property: its value, labelled with the element's symbol, in the series' own colour.
// Adds nothing for an index outside 0 to 15.
void Fill_Graph_Series(Chart_Series& series, int graph_index, const Element_Array& elements,
                       int last_record = Element_Capacity);

// The element number of each point Fill_Graph_Series appends, in the same order.
std::vector<int> Graph_Element_Numbers(int graph_index, const Element_Array& elements);

// The element's value of the property as the report shows it ("7.87"); empty for none.
std::string Graph_Value_Text(const Element_Record& element, int graph_index, const Number_Separators& separators = {});

// What the pointer's tip over a point says: the element's name, symbol and number, and
// its value of the property as the report shows it ("Iron (Fe), 26 : 7.87").
std::string Graph_Point_Text(const Element_Record& element, int graph_index, const Number_Separators& separators);

// Sets the chart up for one property: no legend, the item's text as the only title line
// (16 points bold), left-axis labels 12 points bold, no point marks, the bottom axis
// numbered like the series, numbers with the separators the tips use, and the series
// refilled. An index outside 0 to 15 leaves an untitled, empty chart.
void Prepare_Property_Graph(Chart_Model& chart, int graph_index, const Element_Array& elements,
                            const Number_Separators& separators = {});

}  // namespace halvorn
