// Chemical formulas read into element counts, and the molar mass they give: symbols with
// counts, nested parentheses and brackets, hydrates and adducts joined by "·", "*" or "."
// with a leading count (CuSO4·5H2O), and a trailing charge that is ignored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "elements/Element_Record.h"

namespace halvorn {

// What is wrong with a formula and where: Position counts characters from 1 (0 when the
// fault has no place, as for an empty formula) and Length is how many to mark.
struct Formula_Fault {
    std::string Message;
    int Position = 0;
    int Length = 0;
};

struct Element_Count {
    int Element = 0;  // element number
    std::int64_t Count = 0;
};

// Either the counts, in order of each element's first appearance, or the first fault;
// nothing is counted from a formula that is not read to its end.
struct Formula_Reading {
    std::vector<Element_Count> Counts;
    Formula_Fault Fault;
    bool Read() const { return Fault.Message.empty(); }
};

// Symbols are looked up in records 1 to Element_Capacity; an element without an atomic
// weight is a fault, since no mass can be given for it.
Formula_Reading Read_Formula(std::string_view formula, const Element_Array& elements);

struct Molar_Mass_Line {
    int Element = 0;
    std::int64_t Count = 0;
    double Mass = 0;     // g/mol the element brings
    double Percent = 0;  // of the whole mass
};

struct Molar_Mass {
    double Total = 0;  // g/mol
    int Decimals = 0;  // as many as the least precise weight has
    std::vector<Molar_Mass_Line> Lines;
};

Molar_Mass Molar_Mass_Of(const std::vector<Element_Count>& counts, const Element_Array& elements);

// The result as the calculator shows and copies it: the formula, the molar mass, and a
// table of each element's count, mass and share of the mass.
std::string Molar_Mass_Text(std::string_view formula, const Molar_Mass& mass, const Element_Array& elements);

}  // namespace halvorn
