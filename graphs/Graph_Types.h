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

// What a graph can be plotted against: atomic order (the points in turn, a line), or
// one of the properties (a scatter of the elements that have both values), item k
// naming property k - 1.
inline constexpr int Graph_Against_Count = Graph_Type_Count + 1;
std::string Graph_Against_Text(int against_index);

// A property's name with its unit, as an axis title or a column heading shows it.
std::string Property_Title(int graph_index);

// The property graph_index plots for the element (integer fields converted);
// Missing_Double when it has none or the index is outside 0 to 15.
double Graph_Value(const Element_Record& element, int graph_index);

// Appends, for records 1 to last_record in order, one point per element that has the
// property: its value, labelled with the element's symbol, in the series' own colour.
// Adds nothing for an index outside 0 to 15.
void Fill_Graph_Series(Chart_Series& series, int graph_index, const Element_Array& elements,
                       int last_record = Element_Capacity);

// The element number of each point the graph plots, in order; against a property, of
// the elements that have both values.
std::vector<int> Graph_Element_Numbers(int graph_index, const Element_Array& elements, int against_index = 0);

// The element's value of the property as the report shows it ("7.87"); empty for none.
std::string Graph_Value_Text(const Element_Record& element, int graph_index, const Number_Separators& separators = {});

// What the pointer's tip over a point says: the element's name, symbol and number, and
// its value of the property as the report shows it ("Iron (Fe), 26 : 7.87"), then the
// value it is plotted against ("Iron (Fe), 26 : 1.72 against 7.902").
std::string Graph_Point_Text(const Element_Record& element, int graph_index, const Number_Separators& separators,
                             int against_index = 0);

// Sets the chart up for one property: no legend, the item's text as the only title line
// (16 points bold), left-axis labels 12 points bold, no point marks, the bottom axis
// numbered like the series, numbers with the separators the tips use, and the series
// refilled. An index outside 0 to 15 leaves an untitled, empty chart. Against a property,
// the chart is a scatter titled "<property> against <other>", its axes titled with units.
void Prepare_Property_Graph(Chart_Model& chart, int graph_index, const Element_Array& elements,
                            const Number_Separators& separators = {}, int against_index = 0);

}  // namespace halvorn
