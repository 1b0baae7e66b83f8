// What the chart shows: title and foot lines, two axes and one line series of labelled
// points. Portable data only; the window side lays it out and draws it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "chart/Chart_Number_Format.h"

namespace halvorn {

// Colours are 0x00BBGGRR. A point given this colour takes its series' own colour.
inline constexpr std::uint32_t Series_Own_Colour = 0xFF000000u;

inline constexpr const char* Default_Value_Format = "#,##0.###";

struct Chart_Font {
    int Points = 8;
    bool Bold = false;
};

// Title or foot: lines stacked one under the other, all in one font.
class Chart_Text_Lines {
public:
    void Clear() { lines_.clear(); }
    void Append(std::string line) { lines_.push_back(std::move(line)); }
    const std::vector<std::string>& Lines() const { return lines_; }
    bool Empty() const { return lines_.empty(); }

    Chart_Font Font;

private:
    std::vector<std::string> lines_;
};

struct Chart_Axis {
    Chart_Font Label_Font;
    std::string Value_Format = Default_Value_Format;
    std::string Title;  // shown by a scatter chart, in the label font, bold
};

struct Chart_Point {
    double X = 0;  // a scatter chart's; a line chart places points by their index
    double Y = 0;
    std::string Label;
    std::uint32_t Colour = Series_Own_Colour;
};

// One line series. A point's x is its index in the series, so points removed from the
// data leave no gap.
class Chart_Series {
public:
    void Clear() { points_.clear(); }
    void Add(double y, std::string label, std::uint32_t colour = Series_Own_Colour)
    {
        points_.push_back({0, y, std::move(label), colour});
    }
    void Add_At(double x, double y, std::string label, std::uint32_t colour = Series_Own_Colour)
    {
        points_.push_back({x, y, std::move(label), colour});
    }
    const std::vector<Chart_Point>& Points() const { return points_; }
    std::size_t Count() const { return points_.size(); }
    // The colour point index is drawn in, the sentinel resolved.
    std::uint32_t Point_Colour(std::size_t index) const;

    std::string Title = "Series1";          // its legend entry
    std::uint32_t Colour = 0x000000FFu;     // red
    bool Marks_Visible = true;              // value marks beside the points
    std::string Value_Format = Default_Value_Format;

private:
    std::vector<Chart_Point> points_;
};

struct Chart_Model {
    Chart_Text_Lines Title;
    Chart_Text_Lines Foot;
    bool Legend_Visible = true;
    Chart_Axis Left_Axis;
    Chart_Axis Bottom_Axis;   // its format numbers points that have no label
    Chart_Series Series;
    // The points stand at their x and y values, unjoined, each labelled beside it where
    // there is room; an axis whose values span more than two decades is logarithmic.
    bool Scatter = false;
    std::string Font_Face = "Arial";   // every text of the chart
    Chart_Separators Separators;       // in every number of the chart
    std::uint32_t Back_Colour = 0x00FFFFFFu;
    Chart_Font Legend_Font;
};

}  // namespace halvorn
