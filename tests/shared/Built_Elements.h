// The element array built once from the built-in text, for the tests and benchmarks that
// read the elements rather than their build.
#pragma once

#include "elements/Element_Record.h"

namespace halvorn::test {

inline const Element_Array& Built_Elements()
{
    static const Element_Array elements = [] {
        Element_Array built;
        std::int32_t count = 0;
        Build_Element_Array(Element_Database_Text(), built, count, nullptr);
        return built;
    }();
    return elements;
}

}  // namespace halvorn::test
