#include "chart/Chart_Axis_Scale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace halvorn {

namespace {

constexpr double Largest_Scaled = 1e300;   // beyond any property we plot; keeps the ends finite
constexpr double Smallest_Span = 1e-280;   // keeps powers of ten of the step finite
constexpr int Fewest_Ticks = 3;
constexpr int Largest_Tick_Count = 1000;

// Exact powers of ten, so a tick is one correctly rounded operation away from its decimal value.
constexpr std::array<double, 23> Exact_Powers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

double Power_Of_Ten(int exponent)
{
    return exponent < static_cast<int>(Exact_Powers.size()) ? Exact_Powers[static_cast<std::size_t>(exponent)]
                                                            : std::pow(10.0, exponent);
}

// A step of Mantissa x 10^Exponent, the mantissa one of 10, 20, 25, 50.
struct Step {
    int Mantissa;
    int Exponent;

    double Value() const { return Tick(1); }

    // The n-th multiple of the step.
    double Tick(double n) const
    {
        const double units = n * Mantissa;
        return Exponent >= 0 ? units * Power_Of_Ten(Exponent) : units / Power_Of_Ten(-Exponent);
    }

    Step Next() const
    {
        switch (Mantissa) {
        case 10: return {20, Exponent};
        case 20: return {25, Exponent};
        case 25: return {50, Exponent};
        default: return {10, Exponent + 1};
        }
    }
};

// The multiples of the step just covering low..high, as first and last multiple.
struct Cover {
    double First;
    double Last;
};

Cover Cover_Of(const Step& step, double low, double high)
{
    double first = std::floor(low / step.Value());
    double last = std::ceil(high / step.Value());
    // The divisions are rounded; put each end right with the ticks as they will be computed.
    for (int i = 0; i < 2 && step.Tick(first + 1) <= low; ++i) first += 1;
    for (int i = 0; i < 2 && step.Tick(first) > low; ++i) first -= 1;
    for (int i = 0; i < 2 && step.Tick(last - 1) >= high; ++i) last -= 1;
    for (int i = 0; i < 2 && step.Tick(last) < high; ++i) last += 1;
    return {first, last};
}

}  // namespace

Axis_Scale Nice_Axis_Scale(double data_min, double data_max, int max_ticks)
{
    const bool min_finite = std::isfinite(data_min);
    const bool max_finite = std::isfinite(data_max);
    double low = min_finite ? data_min : max_finite ? data_max : 0.0;
    double high = max_finite ? data_max : min_finite ? data_min : 1.0;
    if (low > high) std::swap(low, high);
    low = std::clamp(low, -Largest_Scaled, Largest_Scaled);
    high = std::clamp(high, -Largest_Scaled, Largest_Scaled);

    // Ends too close to tell apart at this magnitude: make room around their middle.
    if (high - low < Smallest_Span || high - low <= std::max(std::fabs(low), std::fabs(high)) * 1e-12) {
        const double middle = low / 2 + high / 2;
        const double room = std::fabs(middle) >= Smallest_Span ? std::fabs(middle) / 10 : 1.0;
        low = middle - room;
        high = middle + room;
    }

    const int intervals = std::clamp(max_ticks, Fewest_Ticks, Largest_Tick_Count) - 1;
    const double rough = (high - low) / intervals;
    Step step{10, static_cast<int>(std::floor(std::log10(rough))) - 1};
    Cover cover = Cover_Of(step, low, high);
    // A handful of steps at most: each is at least as large as the last and the first
    // is within a factor of ten of the answer.
    for (int tries = 0; tries < 40; ++tries) {
        if (step.Value() >= rough * (1 - 1e-12) && cover.Last - cover.First <= intervals) break;
        step = step.Next();
        cover = Cover_Of(step, low, high);
    }

    Axis_Scale scale;
    scale.Step = step.Value();
    const double count = std::min(cover.Last - cover.First, static_cast<double>(Largest_Tick_Count - 1));
    for (int i = 0; i <= static_cast<int>(count); ++i) scale.Ticks.push_back(step.Tick(cover.First + i));
    scale.Minimum = scale.Ticks.front();
    scale.Maximum = scale.Ticks.back();
    return scale;
}

bool Wants_Log_Axis(double low, double high)
{
    return std::isfinite(low) && std::isfinite(high) && low > 0 && high > 100 * low;
}

Axis_Scale Log_Axis_Scale(double low, double high, int max_ticks)
{
    low = std::clamp(low, 1e-300, 1e300);
    high = std::clamp(std::max(high, low), 1e-300, 1e300);
    const int first = static_cast<int>(std::floor(std::log10(low) + 1e-9));
    int last = static_cast<int>(std::ceil(std::log10(high) - 1e-9));
    if (last <= first) last = first + 1;
    const int decades = last - first;
    const int stride = (decades + std::max(max_ticks, 2) - 2) / (std::max(max_ticks, 2) - 1);
    last = first + (decades + stride - 1) / stride * stride;
    Axis_Scale scale;
    scale.Step = std::pow(10.0, stride);
    for (int exponent = first; exponent <= last; exponent += stride)
        scale.Ticks.push_back(std::stod("1e" + std::to_string(exponent)));
    scale.Minimum = scale.Ticks.front();
    scale.Maximum = scale.Ticks.back();
    return scale;
}

int Max_Ticks_For_Length(double length, double spacing)
{
    if (!(length > 0) || !(spacing > 0) || !std::isfinite(length)) return Fewest_Ticks;
    const double count = std::floor(length / spacing) + 1;
    return static_cast<int>(std::clamp(count, double{Fewest_Ticks}, double{Largest_Tick_Count}));
}

}  // namespace halvorn
