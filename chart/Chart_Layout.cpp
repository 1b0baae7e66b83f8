#include "chart/Chart_Layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "chart/Chart_Number_Format.h"

namespace halvorn {

namespace {

constexpr double Margin = 4;            // around the whole chart
constexpr double Block_Gap = 4;         // between title, legend, plot and foot
constexpr double Tick_Length = 4;
constexpr double Label_Gap = 2;         // between a tick and its label
constexpr double Legend_Padding = 3;
constexpr double Legend_Swatch_Width = 16;
constexpr double Smallest_Plot = 1;

double Usable_Size(double size) { return std::isfinite(size) && size > 0 ? size : 0; }

// A measurer's answer made safe to add up: no negative or non-finite extents.
Text_Size Measure(const Chart_Text_Measurer& measurer, std::string_view text, const Chart_Font& font)
{
    const Text_Size size = measurer.Measure(text, font);
    return {Usable_Size(size.Width), Usable_Size(size.Height)};
}

// Moves the rect inside the chart, shrinking it only when it is larger than the chart.
Chart_Rect Fit_Inside(Chart_Rect rect, double width, double height)
{
    rect.Width = std::max(rect.Width, 0.0);
    rect.Height = std::max(rect.Height, 0.0);
    if (rect.Width >= width) {
        rect.Left = 0;
        rect.Width = width;
    } else {
        rect.Left = std::clamp(rect.Left, 0.0, width - rect.Width);
    }
    if (rect.Height >= height) {
        rect.Top = 0;
        rect.Height = height;
    } else {
        rect.Top = std::clamp(rect.Top, 0.0, height - rect.Height);
    }
    return rect;
}

// Cuts the rect to the chart.
Chart_Rect Clip_To(const Chart_Rect& rect, double width, double height)
{
    const double left = std::clamp(rect.Left, 0.0, width);
    const double top = std::clamp(rect.Top, 0.0, height);
    const double right = std::clamp(rect.Right(), left, width);
    const double bottom = std::clamp(rect.Bottom(), top, height);
    return {left, top, right - left, bottom - top};
}

// Text lines centred across the chart, stacked down from top; returns the bottom of the last.
double Stack_Lines(const Chart_Text_Lines& lines, double top, const Chart_Layout& layout,
                   const Chart_Text_Measurer& measurer, std::vector<Chart_Text_Box>& boxes)
{
    for (const std::string& line : lines.Lines()) {
        const Text_Size size = Measure(measurer, line, lines.Font);
        const Chart_Rect box{(layout.Width - size.Width) / 2, top, size.Width, size.Height};
        boxes.push_back({line, Fit_Inside(box, layout.Width, layout.Height), lines.Font});
        top += size.Height;
    }
    return top;
}

// Whether every k-th label from the first keeps clear of the next one shown.
bool Labels_Fit(const std::vector<Chart_Rect>& boxes, std::size_t stride)
{
    for (std::size_t i = 0; i + stride < boxes.size(); i += stride)
        if (boxes[i + stride].Left < boxes[i].Right() + Bottom_Label_Spacing) return false;
    return true;
}

// Where a value stands along an axis from 0 (its minimum) to 1 (its maximum).
double Axis_Fraction(const Axis_Scale& scale, bool logarithmic, double value)
{
    if (logarithmic)
        return (std::log10(value) - std::log10(scale.Minimum)) / (std::log10(scale.Maximum) - std::log10(scale.Minimum));
    return (value - scale.Minimum) / (scale.Maximum - scale.Minimum);
}

// A tick's text: small powers of ten on a logarithmic axis keep their decimals.
std::string Tick_Text(double value, bool logarithmic, const Chart_Axis& axis, const Chart_Separators& separators)
{
    if (!logarithmic || value >= 0.001) return Format_Chart_Number(value, axis.Value_Format, separators);
    const int decimals = static_cast<int>(std::lround(-std::log10(value)));
    return Format_Chart_Number(value, "#,##0." + std::string(static_cast<std::size_t>(decimals), '#'), separators);
}

struct Axis_Choice {
    Axis_Scale Scale;
    bool Logarithmic = false;
};

Axis_Choice Choose_Axis(double low, double high, int max_ticks)
{
    if (Wants_Log_Axis(low, high)) return {Log_Axis_Scale(low, high, max_ticks), true};
    return {Nice_Axis_Scale(low, high, max_ticks), false};
}

// Where a value stands on the left axis, kept within the plot.
double Pixel_Y(const Chart_Rect& plot, const Axis_Choice& left, double value)
{
    return std::clamp(plot.Bottom() - Axis_Fraction(left.Scale, left.Logarithmic, value) * plot.Height, plot.Top,
                      plot.Bottom());
}

// The left axis's tick labels fix the plot's left edge; then its ticks and grid lines are
// laid out. False when no plot is left beside the labels.
bool Place_Left_Axis(Chart_Layout& layout, Chart_Rect& plot, double plot_right, const Axis_Choice& left,
                     const Chart_Model& model, const Chart_Text_Measurer& measurer)
{
    std::vector<std::string> texts;
    std::vector<Text_Size> sizes;
    double width = 0;
    for (const double value : left.Scale.Ticks) {
        texts.push_back(Tick_Text(value, left.Logarithmic, model.Left_Axis, model.Separators));
        sizes.push_back(Measure(measurer, texts.back(), model.Left_Axis.Label_Font));
        width = std::max(width, sizes.back().Width);
    }
    plot.Left = Margin + width + Label_Gap + Tick_Length;
    plot.Width = std::max(plot_right - plot.Left, 0.0);
    if (plot.Width < Smallest_Plot) {
        layout.Plot = Clip_To(plot, layout.Width, layout.Height);
        return false;
    }
    layout.Plot = plot;
    layout.Left_Scale = left.Scale;
    layout.Left_Logarithmic = left.Logarithmic;
    for (std::size_t i = 0; i < left.Scale.Ticks.size(); ++i) {
        const double y = Pixel_Y(plot, left, left.Scale.Ticks[i]);
        const Chart_Rect box{plot.Left - Tick_Length - Label_Gap - sizes[i].Width, y - sizes[i].Height / 2,
                             sizes[i].Width, sizes[i].Height};
        layout.Left_Ticks.push_back({left.Scale.Ticks[i], y,
                                     {texts[i], Fit_Inside(box, layout.Width, layout.Height), model.Left_Axis.Label_Font}});
        layout.Grid_Lines.push_back({plot.Left, y, plot.Right(), y});
    }
    return true;
}

bool Overlaps(const Chart_Rect& a, const Chart_Rect& b)
{
    return a.Left < b.Right() && b.Left < a.Right() && a.Top < b.Bottom() && b.Top < a.Bottom();
}

bool Inside(const Chart_Rect& inner, const Chart_Rect& outer)
{
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right() <= outer.Right() &&
           inner.Bottom() <= outer.Bottom();
}

Chart_Layout Lay_Out_Scatter(const Chart_Model& model, Chart_Layout layout, double top, double bottom,
                             const Chart_Text_Measurer& measurer)
{
    const Chart_Font title_font{model.Left_Axis.Label_Font.Points, true};
    if (!model.Left_Axis.Title.empty()) {
        const Text_Size size = Measure(measurer, model.Left_Axis.Title, title_font);
        layout.Axis_Titles.push_back(
            {model.Left_Axis.Title, Fit_Inside({Margin, top, size.Width, size.Height}, layout.Width, layout.Height),
             title_font});
        top += size.Height + Block_Gap;
    }
    if (!model.Bottom_Axis.Title.empty()) {
        const Text_Size size = Measure(measurer, model.Bottom_Axis.Title, title_font);
        bottom -= size.Height;
        layout.Axis_Titles.push_back({model.Bottom_Axis.Title,
                                      Fit_Inside({(layout.Width - size.Width) / 2, bottom, size.Width, size.Height},
                                                 layout.Width, layout.Height),
                                      title_font});
        bottom -= Label_Gap;
    }

    const std::vector<Chart_Point>& points = model.Series.Points();
    double low_x = std::numeric_limits<double>::quiet_NaN(), high_x = low_x, low_y = low_x, high_y = low_x;
    for (const Chart_Point& point : points) {
        if (!std::isfinite(point.X) || !std::isfinite(point.Y)) continue;
        low_x = std::isnan(low_x) ? point.X : std::min(low_x, point.X);
        high_x = std::isnan(high_x) ? point.X : std::max(high_x, point.X);
        low_y = std::isnan(low_y) ? point.Y : std::min(low_y, point.Y);
        high_y = std::isnan(high_y) ? point.Y : std::max(high_y, point.Y);
    }

    const double left_label_height = Measure(measurer, "0", model.Left_Axis.Label_Font).Height;
    const double bottom_label_height = Measure(measurer, "0", model.Bottom_Axis.Label_Font).Height;
    Chart_Rect plot;
    plot.Top = top + left_label_height / 2;
    plot.Height = std::max(bottom - Tick_Length - Label_Gap - bottom_label_height - plot.Top, 0.0);
    if (plot.Height < Smallest_Plot) {
        layout.Plot = Clip_To(plot, layout.Width, layout.Height);
        return layout;
    }

    const Axis_Choice left = Choose_Axis(low_y, high_y, Max_Ticks_For_Length(plot.Height, 2 * std::max(left_label_height, 6.0)));
    if (!Place_Left_Axis(layout, plot, layout.Width - Margin, left, model, measurer)) return layout;
    const auto pixel_y = [&](double value) { return Pixel_Y(plot, left, value); };

    // As many bottom ticks as keep their labels apart.
    Axis_Choice across;
    std::vector<Chart_Rect> boxes;
    std::vector<std::string> texts;
    for (int max_ticks = Max_Ticks_For_Length(plot.Width, 40);; --max_ticks) {
        across = Choose_Axis(low_x, high_x, max_ticks);
        boxes.clear();
        texts.clear();
        for (const double value : across.Scale.Ticks) {
            texts.push_back(Tick_Text(value, across.Logarithmic, model.Bottom_Axis, model.Separators));
            const Text_Size size = Measure(measurer, texts.back(), model.Bottom_Axis.Label_Font);
            const double x = plot.Left + Axis_Fraction(across.Scale, across.Logarithmic, value) * plot.Width;
            boxes.push_back(Fit_Inside({x - size.Width / 2, plot.Bottom() + Tick_Length + Label_Gap, size.Width,
                                        size.Height},
                                       layout.Width, layout.Height));
        }
        if (max_ticks <= 3 || Labels_Fit(boxes, 1)) break;
    }
    layout.Bottom_Scale = across.Scale;
    layout.Bottom_Logarithmic = across.Logarithmic;
    const auto pixel_x = [&](double value) {
        return std::clamp(plot.Left + Axis_Fraction(across.Scale, across.Logarithmic, value) * plot.Width, plot.Left,
                          plot.Right());
    };
    for (std::size_t i = 0; i < across.Scale.Ticks.size(); ++i) {
        const double x = pixel_x(across.Scale.Ticks[i]);
        layout.Bottom_Labels.push_back({-1, x, {texts[i], boxes[i], model.Bottom_Axis.Label_Font}});
        layout.Grid_Lines.push_back({x, plot.Top, x, plot.Bottom()});
    }

    for (std::size_t i = 0; i < points.size(); ++i)
        if (std::isfinite(points[i].X) && std::isfinite(points[i].Y))
            layout.Line.push_back({static_cast<int>(i), pixel_x(points[i].X), pixel_y(points[i].Y)});
    std::stable_sort(layout.Line.begin(), layout.Line.end(),
                     [](const Pixel_Point& a, const Pixel_Point& b) { return a.X < b.X; });

    // Each label right of its point, else left of it, where it meets no other label or mark.
    std::vector<Chart_Rect> marks;
    for (const Pixel_Point& point : layout.Line)
        marks.push_back({point.X - Scatter_Mark_Radius, point.Y - Scatter_Mark_Radius, 2 * Scatter_Mark_Radius,
                         2 * Scatter_Mark_Radius});
    std::vector<Chart_Rect> taken;
    for (std::size_t i = 0; i < layout.Line.size(); ++i) {
        const Pixel_Point& point = layout.Line[i];
        const std::string& label = points[static_cast<std::size_t>(point.Point)].Label;
        if (label.empty()) continue;
        const Text_Size size = Measure(measurer, label, model.Bottom_Axis.Label_Font);
        const double gap = Scatter_Mark_Radius + 1;
        for (const double left_edge : {point.X + gap, point.X - gap - size.Width}) {
            const Chart_Rect box{left_edge, point.Y - size.Height / 2, size.Width, size.Height};
            const auto meets = [&](const Chart_Rect& other) { return Overlaps(box, other); };
            if (!Inside(box, plot) || std::any_of(taken.begin(), taken.end(), meets) ||
                std::any_of(marks.begin(), marks.end(), meets))
                continue;
            taken.push_back(box);
            layout.Point_Labels.push_back({label, box, model.Bottom_Axis.Label_Font});
            break;
        }
    }
    return layout;
}

}  // namespace

Chart_Layout Lay_Out_Chart(const Chart_Model& model, double width, double height, const Chart_Text_Measurer& measurer)
{
    Chart_Layout layout;
    layout.Width = Usable_Size(width);
    layout.Height = Usable_Size(height);

    double top = Stack_Lines(model.Title, Margin, layout, measurer, layout.Title_Lines);
    if (!model.Title.Empty()) top += Block_Gap;

    double bottom = layout.Height - Margin;
    if (!model.Foot.Empty()) {
        double foot_height = 0;
        for (const std::string& line : model.Foot.Lines())
            foot_height += Measure(measurer, line, model.Foot.Font).Height;
        bottom -= foot_height;
        Stack_Lines(model.Foot, bottom, layout, measurer, layout.Foot_Lines);
        bottom -= Block_Gap;
    }

    if (model.Scatter) return Lay_Out_Scatter(model, std::move(layout), top, bottom, measurer);

    double plot_right = layout.Width - Margin;
    if (model.Legend_Visible) {
        Chart_Legend& legend = layout.Legend;
        const Text_Size text = Measure(measurer, model.Series.Title, model.Legend_Font);
        const double box_width = 3 * Legend_Padding + Legend_Swatch_Width + text.Width;
        const Chart_Rect box{plot_right - box_width, top, box_width, text.Height + 2 * Legend_Padding};
        legend.Visible = true;
        legend.Box = Fit_Inside(box, layout.Width, layout.Height);
        legend.Swatch = Fit_Inside({box.Left + Legend_Padding, box.Top + box.Height / 2 - 1, Legend_Swatch_Width, 2},
                                   layout.Width, layout.Height);
        const Chart_Rect label{legend.Swatch.Right() + Legend_Padding, box.Top + Legend_Padding, text.Width,
                               text.Height};
        legend.Label = {model.Series.Title, Fit_Inside(label, layout.Width, layout.Height), model.Legend_Font};
        plot_right = box.Left - Block_Gap;
    }

    // Bottom labels: the point's own label, or its position when it has none.
    const std::vector<Chart_Point>& points = model.Series.Points();
    std::vector<std::string> label_texts;
    std::vector<Text_Size> label_sizes;
    label_texts.reserve(points.size());
    label_sizes.reserve(points.size());
    double label_height = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double position = static_cast<double>(i);
        label_texts.push_back(points[i].Label.empty()
                                  ? Format_Chart_Number(position, model.Bottom_Axis.Value_Format, model.Separators)
                                  : points[i].Label);
        label_sizes.push_back(Measure(measurer, label_texts.back(), model.Bottom_Axis.Label_Font));
        label_height = std::max(label_height, label_sizes.back().Height);
    }

    // The top and bottom tick labels stand half above and below the plot.
    const double tick_label_height = Measure(measurer, "0", model.Left_Axis.Label_Font).Height;
    Chart_Rect plot;
    plot.Top = top + tick_label_height / 2;
    const double plot_bottom = bottom - std::max(Tick_Length + Label_Gap + label_height, tick_label_height / 2);
    plot.Height = std::max(plot_bottom - plot.Top, 0.0);
    if (plot.Height < Smallest_Plot) {
        layout.Plot = Clip_To(plot, layout.Width, layout.Height);
        return layout;
    }

    double low = std::numeric_limits<double>::quiet_NaN();
    double high = low;
    for (const Chart_Point& point : points) {
        if (!std::isfinite(point.Y)) continue;
        low = std::isnan(low) ? point.Y : std::min(low, point.Y);
        high = std::isnan(high) ? point.Y : std::max(high, point.Y);
    }
    // Ticks two label heights apart leave a clear line between labels.
    const int max_ticks = Max_Ticks_For_Length(plot.Height, 2 * std::max(tick_label_height, 6.0));
    const Axis_Choice left{Nice_Axis_Scale(low, high, max_ticks), false};
    if (!Place_Left_Axis(layout, plot, plot_right, left, model, measurer)) return layout;
    const auto pixel_y = [&](double value) { return Pixel_Y(plot, left, value); };

    // Each point in the middle of its slot, so the first and last keep clear of the axes.
    const double slot = points.empty() ? 0 : plot.Width / static_cast<double>(points.size());
    const auto pixel_x = [&](std::size_t index) { return plot.Left + (static_cast<double>(index) + 0.5) * slot; };
    layout.Line.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        if (std::isfinite(points[i].Y)) layout.Line.push_back({static_cast<int>(i), pixel_x(i), pixel_y(points[i].Y)});

    std::vector<Chart_Rect> label_boxes;
    label_boxes.reserve(points.size());
    const double label_top = plot.Bottom() + Tick_Length + Label_Gap;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Text_Size size = label_sizes[i];
        label_boxes.push_back(Fit_Inside({pixel_x(i) - size.Width / 2, label_top, size.Width, size.Height},
                                         layout.Width, layout.Height));
    }
    std::size_t stride = 1;
    while (stride < points.size() && !Labels_Fit(label_boxes, stride)) ++stride;
    layout.Label_Stride = static_cast<int>(stride);
    for (std::size_t i = 0; i < points.size(); i += stride) {
        const double x = pixel_x(i);
        layout.Bottom_Labels.push_back(
            {static_cast<int>(i), x, {label_texts[i], label_boxes[i], model.Bottom_Axis.Label_Font}});
        layout.Grid_Lines.push_back({x, plot.Top, x, plot.Bottom()});
    }
    return layout;
}

int Point_Near(const Chart_Layout& layout, double x, double y, double tolerance)
{
    if (!(tolerance >= 0) || !std::isfinite(x) || !std::isfinite(y)) return -1;
    // The line runs left to right, so only the points within tolerance in x need a look.
    const auto first = std::lower_bound(layout.Line.begin(), layout.Line.end(), x - tolerance,
                                        [](const Pixel_Point& point, double left) { return point.X < left; });
    int found = -1;
    double best_dx = 0;
    double best_distance = 0;
    for (auto point = first; point != layout.Line.end() && point->X <= x + tolerance; ++point) {
        const double dx = std::fabs(point->X - x);
        const double distance = std::hypot(point->X - x, point->Y - y);
        if (distance > tolerance) continue;
        if (found < 0 || dx < best_dx || (dx == best_dx && distance < best_distance)) {
            found = point->Point;
            best_dx = dx;
            best_distance = distance;
        }
    }
    return found;
}

}  // namespace halvorn
