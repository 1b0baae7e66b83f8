// Numbers on the chart's axes and marks, by a picture such as "#,##0.###".
#pragma once

#include <string>
#include <string_view>

namespace halvorn {

// The characters that stand where a picture places its separators.
struct Chart_Separators {
    char Thousands = ',';
    char Decimal = '.';
};

// Pictures of the shape "#,##0.###": a "," among the integer places groups thousands,
// each "0" before the point is a digit always shown, each "0" after it a decimal always
// shown and each "#" after it a decimal shown when not zero ("0", "0.00", "#,##0" are of
// the same shape). Any other picture is read as "#,##0.###".
// The picture's "," and "." only place the separators; the characters standing there are
// the caller's choice (the user's settings, say).
// The value is rounded half away from zero at the last decimal shown, as it reads in its
// shortest exact decimal form (0.0005 gives "0.001"); "-0" is never produced. NaN and
// infinities give "NaN", "INF" and "-INF".
std::string Format_Chart_Number(double value, std::string_view format, Chart_Separators separators = {});

}  // namespace halvorn
