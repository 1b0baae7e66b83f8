// Fuzz target: the element build on arbitrary text never crashes, and either fills
// records within the array or reports a conversion error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "elements/Element_Record.h"
#include "elements/Text_Helpers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static halvorn::Element_Array elements;
    std::int32_t count = 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        halvorn::Build_Element_Array(text, elements, count, nullptr);
    } catch (const halvorn::Conversion_Error&) {
    }
    if (count < 0 || count > halvorn::Element_Capacity) __builtin_trap();
    return 0;
}
