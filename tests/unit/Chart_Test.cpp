#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "chart/Chart_Axis_Scale.h"
#include "chart/Chart_Layout.h"
#include "chart/Chart_Number_Format.h"

namespace halvorn {
namespace {

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

TEST(Chart_Number_Format, FormatsByThePicture)
{
    const struct { const char* Format; double Value; const char* Text; } cases[] = {
        {"#,##0.###", 0, "0"}, {"#,##0.###", 1234.5, "1,234.5"}, {"#,##0.###", -1000, "-1,000"},
        {"#,##0.###", 123.456789, "123.457"}, {"#,##0.###", 0.0005, "0.001"}, {"#,##0.###", -0.0005, "-0.001"},
        {"#,##0.###", 1.0005, "1.001"},   // as written, though the double is a hair below
        {"#,##0.###", 999.9996, "1,000"}, {"#,##0.###", -0.0004, "0"}, {"#,##0.###", -0.0, "0"},
        {"#,##0.###", 0.1 + 0.2, "0.3"}, {"#,##0.###", -1.5e20, "-150,000,000,000,000,000,000"},
        {"0", 2.5, "3"}, {"0", -2.5, "-3"}, {"0", 1234.6, "1235"}, {"0.00", 1.5, "1.50"}, {"0.00", 0.125, "0.13"},
        {"0.00", -0.001, "0.00"}, {"#,##0", 1234567.5, "1,234,568"}, {"00.0", 5, "05.0"},
        {"#,##0.###", Nan, "NaN"}, {"#,##0.###", -Inf, "-INF"},
        // Pictures not of the known shape read as "#,##0.###".
        {"", 1234.56789, "1,234.568"}, {"abc", 1234.56789, "1,234.568"}, {"0.#0", 1234.56789, "1,234.568"},
        {"#,##0,", 1234.56789, "1,234.568"}, {"0#", 1234.56789, "1,234.568"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format_Chart_Number(c.Value, c.Format), c.Text) << c.Format << " " << c.Value;
    // The picture places the separators; the caller chooses them.
    EXPECT_EQ(Format_Chart_Number(-1234567.891, "#,##0.###", {'.', ','}), "-1.234.567,891");
    EXPECT_EQ(Format_Chart_Number(0.5, "0.00", {' ', ','}), "0,50");
    const std::string big = Format_Chart_Number(1e300, "#,##0.###");
    EXPECT_EQ(big.size(), 301u + 100u);
    EXPECT_EQ(Format_Chart_Number(std::numeric_limits<double>::max(), "0").substr(0, 9), "179769313");
}

TEST(Chart_Axis_Scale, ChoosesTheSmallestRoundStepThatFits)
{
    const struct { double Low, High; int Max_Ticks; double Minimum, Maximum, Step; } cases[] = {
        {0, 100, 11, 0, 100, 10},         {0, 63, 8, 0, 70, 10},
        {1e-12, 63, 8, 0, 70, 10},        // tiny and ordinary values together
        {-1000, 2000, 7, -1000, 2000, 500},  {-5, -1, 5, -5, -1, 1},
        {-3, 7, 6, -5, 7.5, 2.5},         // a step of 2 would need 7 ticks
        {0.1, 0.3, 3, 0.1, 0.3, 0.1},     {1e9, 3e9, 5, 1e9, 3e9, 5e8},
        {10, 0, 11, 0, 10, 1},            // ends given the wrong way round
        {Nan, Nan, 6, 0, 1, 0.2},         {Inf, -Inf, 6, 0, 1, 0.2},
        {0, 0, 3, -1, 1, 1},              {Nan, 4, 5, 3.6, 4.4, 0.2},   // one value: room around it
        {-0.37, 0.51, 2, -1, 1, 1},       // across zero: three ticks at the least
    };
    for (const auto& c : cases) {
        const Axis_Scale scale = Nice_Axis_Scale(c.Low, c.High, c.Max_Ticks);
        SCOPED_TRACE(::testing::Message() << c.Low << ".." << c.High << " in " << c.Max_Ticks);
        EXPECT_DOUBLE_EQ(scale.Minimum, c.Minimum);
        EXPECT_DOUBLE_EQ(scale.Maximum, c.Maximum);
        EXPECT_DOUBLE_EQ(scale.Step, c.Step);
    }
    EXPECT_EQ(Max_Ticks_For_Length(300, 30), 11);
    EXPECT_EQ(Max_Ticks_For_Length(Nan, 30), 3);
}

// Every character Points / 2 pixels wide (a quarter more when bold), every line 2 x Points high.
struct Fixed_Measurer final : Chart_Text_Measurer {
    Text_Size Measure(std::string_view text, const Chart_Font& font) const override
    {
        return {static_cast<double>(text.size()) * font.Points / 2.0 * (font.Bold ? 1.25 : 1.0), 2.0 * font.Points};
    }
};

class Chart_Layouts : public ::testing::Test {
protected:
    Chart_Layouts()
    {
        model.Legend_Visible = false;
        model.Title.Font = {16, true};
        model.Title.Append("Density (g/mL) ");
        model.Left_Axis.Label_Font = {12, true};
    }
    void Add_Points(int count)
    {
        for (int i = 0; i < count; ++i) model.Series.Add(i + 1, i % 2 ? "Xy" : "Q");
    }
    Chart_Layout Lay_Out(double width = 661, double height = 373) const
    {
        return Lay_Out_Chart(model, width, height, measurer);
    }
    static bool Inside(const Chart_Rect& rect, const Chart_Layout& layout)
    {
        return rect.Width >= 0 && rect.Height >= 0 && rect.Left >= 0 && rect.Top >= 0 &&
               rect.Right() <= layout.Width + 1e-9 && rect.Bottom() <= layout.Height + 1e-9;
    }

    Chart_Model model;
    Fixed_Measurer measurer;
};

TEST_F(Chart_Layouts, BottomLabelsAreThinnedToARegularStrideThatKeepsThemApart)
{
    Add_Points(113);
    for (const double width : {2000.0, 661.0, 400.0, 200.0, 90.0}) {
        const Chart_Layout layout = Lay_Out(width);
        SCOPED_TRACE(width);
        ASSERT_EQ(layout.Line.size(), 113u);
        const int k = layout.Label_Stride;
        EXPECT_TRUE(width < 2000 || k == 1) << "room for every label";
        ASSERT_EQ(layout.Bottom_Labels.size(), static_cast<std::size_t>((113 + k - 1) / k));
        for (std::size_t i = 0; i < layout.Bottom_Labels.size(); ++i) {
            const Bottom_Axis_Label& label = layout.Bottom_Labels[i];
            EXPECT_EQ(label.Point, static_cast<int>(i) * k);
            EXPECT_EQ(label.Label.Text, label.Point % 2 ? "Xy" : "Q");
            EXPECT_DOUBLE_EQ(label.X, layout.Line[static_cast<std::size_t>(label.Point)].X);
            EXPECT_GE(label.Label.Box.Top, layout.Plot.Bottom());
            EXPECT_TRUE(Inside(label.Label.Box, layout));
            if (i > 0) {
                EXPECT_GE(label.Label.Box.Left - layout.Bottom_Labels[i - 1].Label.Box.Right(), Bottom_Label_Spacing);
            }
        }
    }
}

TEST_F(Chart_Layouts, DegenerateSizesGiveAClampedLayout)
{
    model.Foot.Append("Courtesy of a friend");
    model.Legend_Visible = true;
    Add_Points(113);
    const double sizes[][2] = {{0, 0},   {1, 1},   {10, 10},   {661, 20}, {20, 373},
                               {60, 90}, {-5, -5}, {Nan, 100}, {Inf, Inf}};
    for (const auto& size : sizes) {
        const Chart_Layout layout = Lay_Out(size[0], size[1]);
        SCOPED_TRACE(::testing::Message() << size[0] << " x " << size[1]);
        EXPECT_TRUE(std::isfinite(layout.Width) && layout.Width >= 0);
        EXPECT_TRUE(std::isfinite(layout.Height) && layout.Height >= 0);
        std::vector<Chart_Rect> rects = {layout.Plot, layout.Legend.Box, layout.Legend.Label.Box};
        for (const Chart_Text_Box& line : layout.Title_Lines) rects.push_back(line.Box);
        for (const Chart_Text_Box& line : layout.Foot_Lines) rects.push_back(line.Box);
        for (const Left_Axis_Tick& tick : layout.Left_Ticks) rects.push_back(tick.Label.Box);
        for (const Bottom_Axis_Label& label : layout.Bottom_Labels) rects.push_back(label.Label.Box);
        for (const Chart_Rect& rect : rects) EXPECT_TRUE(Inside(rect, layout));
        const bool no_plot = layout.Plot.Width < 1 || layout.Plot.Height < 1;
        EXPECT_TRUE(!no_plot || (layout.Line.empty() && layout.Bottom_Labels.empty() && layout.Left_Ticks.empty()));
    }
}

// Values spread over more than two decades go on a logarithmic axis; points stand at their
// values, left to right for the pointer, and each label that is shown keeps clear of the
// others and of the plot's edge.
TEST_F(Chart_Layouts, ScatterPlacesPointsByValueWithALogAxisOverWideSpans)
{
    model.Scatter = true;
    model.Left_Axis.Title = "Density (g/mL)";
    model.Bottom_Axis.Title = "Atomic Radius (A)";
    for (int i = 0; i < 20; ++i) model.Series.Add_At(3.0 - i * 0.12, 0.0002 * std::pow(1.6, i), i % 2 ? "Xy" : "Q");
    for (int i = 0; i < 6; ++i) model.Series.Add_At(2.0 + i * 0.001, 0.05, "Zz");  // a crowd
    const Chart_Layout layout = Lay_Out();

    EXPECT_TRUE(layout.Left_Logarithmic);
    EXPECT_FALSE(layout.Bottom_Logarithmic) << "0.72 to 3 spans less than two decades";
    EXPECT_EQ(layout.Left_Ticks.front().Label.Text + " " + layout.Left_Ticks.back().Label.Text, "0.0001 10");
    ASSERT_EQ(layout.Axis_Titles.size(), 2u);
    ASSERT_EQ(layout.Line.size(), 26u);
    EXPECT_EQ(layout.Line.front().Point, 19) << "the point of least x first";
    // A point stands where its value falls between the decades around it.
    const auto point_10 = std::find_if(layout.Line.begin(), layout.Line.end(), [](const Pixel_Point& p) { return p.Point == 10; });
    const double y = layout.Plot.Bottom() - (std::log10(0.0002 * std::pow(1.6, 10)) + 4) / 5 * layout.Plot.Height;
    EXPECT_NEAR(point_10->Y, y, 1e-6);
    EXPECT_GT(layout.Point_Labels.size(), 15u);
    EXPECT_LT(layout.Point_Labels.size(), 24u) << "crowded points go without";
    for (std::size_t i = 0; i < layout.Point_Labels.size(); ++i) {
        const Chart_Rect& a = layout.Point_Labels[i].Box;
        EXPECT_TRUE(a.Left >= layout.Plot.Left && a.Right() <= layout.Plot.Right());
        for (std::size_t j = i + 1; j < layout.Point_Labels.size(); ++j) {
            const Chart_Rect& b = layout.Point_Labels[j].Box;
            EXPECT_FALSE(a.Left < b.Right() && b.Left < a.Right() && a.Top < b.Bottom() && b.Top < a.Bottom());
        }
    }
    EXPECT_EQ(Point_Near(layout, layout.Line[10].X, layout.Line[10].Y, 1), layout.Line[10].Point);
}


}  // namespace
}  // namespace halvorn
