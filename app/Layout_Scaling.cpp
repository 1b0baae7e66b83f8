#include "app/Layout_Scaling.h"

namespace halvorn {

Scale_Ratios Ratios_For(int client_width, int client_height, int design_width, int design_height)
{
    const double height = static_cast<double>(client_height) / design_height;
    const double width = static_cast<double>(client_width) / design_width;
    return {height, width, height < width ? height : width};
}

Scaled_Bounds Scale_Entry(const Baseline_Entry& entry, const Scale_Ratios& ratios)
{
    const auto scale = [](double measure, double ratio) { return static_cast<int>(measure * ratio); };
    return {scale(entry.Top, ratios.Height), scale(entry.Height, ratios.Height),
            scale(entry.Left, ratios.Width), scale(entry.Width, ratios.Width),
            scale(entry.Font_Size, ratios.Font)};
}

}  // namespace halvorn
