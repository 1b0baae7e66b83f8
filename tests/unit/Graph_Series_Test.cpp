#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chart/Chart_Layout.h"
#include "graphs/Graph_Types.h"
#include "tests/shared/Built_Elements.h"

namespace halvorn {
namespace {

class Graph_Series : public ::testing::Test {
protected:
    static std::vector<std::string> Labels_Of(int graph_index, int last_record = Element_Capacity)
    {
        Chart_Series series;
        Fill_Graph_Series(series, graph_index, elements_, last_record);
        std::vector<std::string> labels;
        for (const Chart_Point& point : series.Points()) labels.push_back(point.Label);
        return labels;
    }

    static inline const Element_Array& elements_ = test::Built_Elements();
};

TEST_F(Graph_Series, EachItemPlotsItsOwnProperty)
{
    // Hydrogen's values as the database states them, in the items' order.
    const double hydrogen[] = {1, 0.79, 14.1, 1.00794, 20.268, 0.32, 8.99e-05, Missing_Double,
                               2.2, 13.598, 0.05868, 0.44936, 14.025, 14.304, 0.1815, 1766};
    for (int i = 0; i < Graph_Type_Count; ++i) EXPECT_EQ(Graph_Value(elements_[1], i), hydrogen[i]) << i;
    EXPECT_EQ(Graph_Value(elements_[5], 7), 5e-12);
    for (const int outside : {-1, 16}) {
        EXPECT_EQ(Graph_Value(elements_[1], outside), Missing_Double);
        EXPECT_TRUE(Labels_Of(outside).empty());
    }
}

// Years before our era are plotted as they stand; elements without one leave no gap.
TEST_F(Graph_Series, YearsPlotWithTipsThatNameTheElementAndShowTheValueAsTheReportDoes)
{
    const std::vector<int> years = Graph_Element_Numbers(15, elements_);
    Chart_Series series;
    Fill_Graph_Series(series, 15, elements_);
    ASSERT_EQ(years.size(), series.Count());
    EXPECT_EQ(series.Count(), 117u);   // antimony has no year
    const auto index = [&](int number) {
        return static_cast<std::size_t>(std::find(years.begin(), years.end(), number) - years.begin());
    };
    EXPECT_EQ(series.Points()[index(28)].Label, "Ni");
    EXPECT_EQ(series.Points()[index(28)].Y, -235);
    EXPECT_EQ(index(50) + 1, index(52)) << "antimony between tin and tellurium has no year";
    EXPECT_EQ(Graph_Point_Text(elements_[28], 15, {}), "Nickel (Ni), 28 : -235");
    EXPECT_EQ(Graph_Point_Text(elements_[26], 12, {'.', ','}), "Iron (Fe), 26 : 1.811");
    EXPECT_EQ(Graph_Point_Text(elements_[1], 3, {}), "Hydrogen (H), 1 : 1.0079");
    EXPECT_EQ(Graph_Point_Text(elements_[1], 6, {}), "Hydrogen (H), 1 : 0.0000899") << "not 0";
    EXPECT_EQ(Graph_Point_Text(elements_[118], 6, {}), "") << "no density, no tip";
}

}  // namespace
}  // namespace halvorn
