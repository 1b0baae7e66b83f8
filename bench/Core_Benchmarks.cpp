// Benchmarks of the portable core. Run: build/native/halvorn_benchmarks
#include <benchmark/benchmark.h>

#include "elements/Element_Record.h"

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

}  // namespace
}  // namespace halvorn

BENCHMARK_MAIN();
