// Number texts of the element report, checked with the same expected strings on the
// native and the Windows build.
#pragma once

#include "report/Report_Number_Format.h"

namespace halvorn::test {

struct Number_Case {
    bool Celsius;
    int Decimals;
    double Value;
    const char* Text;
};

inline constexpr Number_Case Report_Number_Cases[] = {
    {false, 2, 4470, "4,470"},
    {true, 2, 4470, "4,196.85"},
    {true, 2, 0.95, "-272.2"},
    // 14.025 is stored as 14.02500000000000035527..., just above the half-way point.
    {false, 2, 14.025, "14.03"},
    {true, 2, 14.025, "-259.13"},
    {false, 0, 1000, "1,000"},
    {true, 1, 300, "26.9"},
    {false, 4, 196.96655, "196.9666"},
    {false, 2, 0.005, "0.01"},
    {false, 2, 0.0049, "0"},
    {false, 2, 999.995, "1,000"},
    {false, 2, 1234567.891, "1,234,567.89"},
    {false, 0, -123456788, "-123,456,788"},
    {false, 2, -0.001, "0"},
    {true, 2, 273.15, "0"},
    {false, 2, -123456789, "Unknown"},
    {true, 2, -123456789, "Unknown"},
    {false, 4, 1e20, "100,000,000,000,000,000,000"},
};

}  // namespace halvorn::test
