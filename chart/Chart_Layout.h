// Where every part of the chart goes at a given size, in pixels (fractions kept for
// anti-aliased drawing). Text is measured by the caller, who knows the fonts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/Chart_Axis_Scale.h"
#include "chart/Chart_Model.h"

namespace halvorn {

// Least room between two bottom-axis labels shown side by side.
inline constexpr double Bottom_Label_Spacing = 4;

struct Text_Size {
    double Width = 0;
    double Height = 0;
};

// Measures text drawn in the chart's font face (Chart_Model::Font_Face) at a size and style.
class Chart_Text_Measurer {
public:
    virtual Text_Size Measure(std::string_view text, const Chart_Font& font) const = 0;

protected:
    ~Chart_Text_Measurer() = default;
};

// Never of negative size.
struct Chart_Rect {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;

    double Right() const { return Left + Width; }
    double Bottom() const { return Top + Height; }
};

struct Chart_Text_Box {
    std::string Text;
    Chart_Rect Box;   // the measured text, inside the chart
    Chart_Font Font;
};

struct Chart_Line {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

struct Left_Axis_Tick {
    double Value = 0;
    double Y = 0;
    Chart_Text_Box Label;   // right-aligned left of the plot, centred on Y
};

struct Bottom_Axis_Label {
    int Point = 0;          // index in the series
    double X = 0;
    Chart_Text_Box Label;   // centred on X below the plot
};

struct Pixel_Point {
    int Point = 0;          // index in the series
    double X = 0;
    double Y = 0;
};

struct Chart_Legend {
    bool Visible = false;
    Chart_Rect Box;         // frame
    Chart_Rect Swatch;      // a short stroke of the series' colour
    Chart_Text_Box Label;   // the series' title
};

struct Chart_Layout {
    double Width = 0;
    double Height = 0;
    std::vector<Chart_Text_Box> Title_Lines;   // centred, from the top
    std::vector<Chart_Text_Box> Foot_Lines;    // centred, ending at the bottom
    Chart_Rect Plot;
    Axis_Scale Left_Scale;
    std::vector<Left_Axis_Tick> Left_Ticks;
    std::vector<Chart_Line> Grid_Lines;        // across the plot at each tick and each shown label
    int Label_Stride = 1;                      // every k-th point is labelled from the first, k the
                                               // smallest that keeps labels Bottom_Label_Spacing apart
    std::vector<Bottom_Axis_Label> Bottom_Labels;
    std::vector<Pixel_Point> Line;             // the series' finite points, in order (a scatter
                                               // chart's from left to right)
    Chart_Legend Legend;
    // A scatter chart's: the bottom axis's scale (its ticks are the bottom labels, of no
    // point), which axes are logarithmic, the axis titles (the left one above the plot,
    // the bottom one under its labels) and the labels of the points that have room.
    Axis_Scale Bottom_Scale;
    bool Left_Logarithmic = false;
    bool Bottom_Logarithmic = false;
    std::vector<Chart_Text_Box> Axis_Titles;
    std::vector<Chart_Text_Box> Point_Labels;
};

// Half the size of a scatter chart's point mark.
inline constexpr double Scatter_Mark_Radius = 3;

// The layout of the model at width x height pixels. A size too small for a plot gives
// titles and foot clamped to the chart and no axes, labels or line. An empty series gives
// axes over 0..1. Points of non-finite value are left out of the line.
Chart_Layout Lay_Out_Chart(const Chart_Model& model, double width, double height, const Chart_Text_Measurer& measurer);

// The series index of the point within tolerance pixels of (x, y), the one nearest in x
// first and then the nearest; -1 when there is none.
int Point_Near(const Chart_Layout& layout, double x, double y, double tolerance);

}  // namespace halvorn
