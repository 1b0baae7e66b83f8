// Fuzz target: any text either reads as a formula whose molar mass is a positive finite
// number, or is refused with a fault placed inside the text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "elements/Chemical_Formula.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const halvorn::Element_Array elements = [] {
        halvorn::Element_Array built;
        std::int32_t count = 0;
        halvorn::Build_Element_Array(halvorn::Element_Database_Text(), built, count, nullptr);
        return built;
    }();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const halvorn::Formula_Reading reading = halvorn::Read_Formula(text, elements);
    if (reading.Read()) {
        const halvorn::Molar_Mass mass = halvorn::Molar_Mass_Of(reading.Counts, elements);
        if (reading.Counts.empty() || !(mass.Total > 0) || !std::isfinite(mass.Total)) __builtin_trap();
        halvorn::Molar_Mass_Text(text, mass, elements);
    } else {
        const auto& fault = reading.Fault;
        const bool placed = fault.Position > 0 && fault.Length > 0 &&
                            static_cast<std::size_t>(fault.Position - 1 + fault.Length) <= size;
        if (!placed && (fault.Position != 0 || fault.Length != 0)) __builtin_trap();
    }
    return 0;
}
