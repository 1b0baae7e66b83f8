// Numbers in the element report: fixed decimals, thousands separators, trimmed zeros.
// Computed exactly from the binary value, so every compiler gives the same text.
#pragma once

#include <cstdint>
#include <string>

namespace halvorn {

struct Number_Separators {
    char Thousands = ',';
    char Decimal = '.';
};

// Text with trailing copies of character removed while longer than one character.
std::string Trim_Trailing_Char(std::string text, char character);

// "Unknown" for Missing_Value; otherwise the value with that many decimals (0 to 4),
// first reduced to 18 significant digits, then cut after the decimals rounding half up,
// with thousands separators; with decimals, trailing zeros and then a trailing decimal
// separator are dropped.
std::string Format_Report_Number(int decimals, double value, const Number_Separators& separators = {});

// A stored value as the report and the graph tips show it: Format_Report_Number, except
// that a non-zero value which would read "0" (a gas's density, a semiconductor's
// conductivity) is given to three significant digits, "0.0000899", since a measured
// value shown as zero is plainly wrong.
std::string Format_Report_Value(int decimals, double value, const Number_Separators& separators = {});

// The same for kelvin minus 273.15, subtracted as the 80-bit extended format does
// (64-bit mantissa, 273.15 held as the nearest such value); "Unknown" when missing.
std::string Format_Report_Celsius(int decimals, double kelvin, const Number_Separators& separators = {});

// A binary floating-point value: Mantissa x 2^Exponent, negated when Negative.
struct Binary_Value {
    std::uint64_t Mantissa = 0;
    int Exponent = 0;
    bool Negative = false;
};

Binary_Value Binary_Of(double value);
// kelvin - 273.15 rounded to a 64-bit mantissa, ties to even.
Binary_Value Extended_Minus_273_15(double kelvin);
std::string Format_Binary_Value(int decimals, const Binary_Value& value, const Number_Separators& separators);

}  // namespace halvorn
