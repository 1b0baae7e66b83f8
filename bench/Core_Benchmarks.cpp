// Benchmarks of the portable core. Run: build/native/halvorn_benchmarks
#include <benchmark/benchmark.h>

#include "chart/Chart_Layout.h"
#include "elements/Element_Record.h"
#include "graphs/Graph_Types.h"
#include "report/Element_Report.h"
#include "tests/shared/Built_Elements.h"

namespace halvorn {
namespace {

void Build_Element_Array_From_Built_In_Text(benchmark::State& state)
{
    Element_Array elements;
    std::int32_t count = 0;
    for (auto _ : state) {
        Build_Element_Array(Element_Database_Text(), elements, count, nullptr);
        benchmark::DoNotOptimize(elements[113].Atomic_Number);
    }
}
BENCHMARK(Build_Element_Array_From_Built_In_Text)->Unit(benchmark::kMicrosecond);

const Report_Footer_Texts footer{"Halvorn v2.0b", "Tandrel Software, November 2002", "http://www.tandrel.example/"};

void Build_One_Element_Report(benchmark::State& state)
{
    const Element_Array& elements = test::Built_Elements();
    for (auto _ : state) {
        const Report_Document report = Build_Element_Report(elements[26], footer);
        benchmark::DoNotOptimize(report.Lines.data());
    }
}
BENCHMARK(Build_One_Element_Report)->Unit(benchmark::kMicrosecond);

void Build_One_Element_Report_As_Rtf(benchmark::State& state)
{
    const Element_Array& elements = test::Built_Elements();
    for (auto _ : state) {
        const std::string rtf = Document_Rtf(Build_Element_Report(elements[26], footer).Lines, "Courier New");
        benchmark::DoNotOptimize(rtf.data());
    }
}
BENCHMARK(Build_One_Element_Report_As_Rtf)->Unit(benchmark::kMicrosecond);

// Every character 0.6 of the font size wide (0.7 when bold), lines 1.6 of it high.
struct Fixed_Width_Measurer final : Chart_Text_Measurer {
    Text_Size Measure(std::string_view text, const Chart_Font& font) const override
    {
        return {static_cast<double>(text.size()) * font.Points * (font.Bold ? 0.7 : 0.6), font.Points * 1.6};
    }
};

// What one change of the graph type costs before drawing: the series refilled from the
// records and the chart laid out at the page's design size.
void Series_And_Layout_For_One_Property(benchmark::State& state)
{
    const Element_Array& elements = test::Built_Elements();
    const Fixed_Width_Measurer measurer;
    Chart_Model chart;
    for (auto _ : state) {
        Prepare_Property_Graph(chart, 0, elements);
        const Chart_Layout layout = Lay_Out_Chart(chart, 661, 373, measurer);
        benchmark::DoNotOptimize(layout.Line.data());
    }
}
BENCHMARK(Series_And_Layout_For_One_Property)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace halvorn

BENCHMARK_MAIN();
