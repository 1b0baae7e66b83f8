// A value axis's range and ticks: round numbers that cover the data.
#pragma once

#include <vector>

namespace halvorn {

struct Axis_Scale {
    double Minimum = 0;
    double Maximum = 1;
    double Step = 1;             // 1, 2, 2.5 or 5 x 10^k
    std::vector<double> Ticks;   // Minimum, Minimum + Step, ..., Maximum
};

// The smallest step that covers data_min..data_max with at most max_ticks ticks, the ends
// on multiples of the step; fewer than 3 are not offered, as a range across zero needs
// them. Each tick is the nearest double to its exact decimal value, so 0.1 steps give
// 0.3, not 0.30000000000000004. Non-finite ends are ignored (no finite end gives 0..1);
// equal ends get room around them; magnitudes past 1e300 are clamped.
Axis_Scale Nice_Axis_Scale(double data_min, double data_max, int max_ticks);

// Whether values from low to high want a logarithmic axis: all positive, the largest more
// than a hundred times the smallest.
bool Wants_Log_Axis(double low, double high);

// A logarithmic axis over low..high (both positive): ticks at powers of ten, every k-th
// decade when more than max_ticks would stand; the ends are the powers just covering the
// data.
Axis_Scale Log_Axis_Scale(double low, double high, int max_ticks);

// How many ticks fit on an axis length pixels long, at least spacing pixels apart (3 or more).
int Max_Ticks_For_Length(double length, double spacing);

}  // namespace halvorn
