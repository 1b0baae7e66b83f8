#include "chart/Chart_Control.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/Gdiplus_Session.h"
#include "platform/Gdi_Owners.h"
#include "platform/Win_Text.h"

namespace halvorn {

namespace {

using namespace Gdiplus;

Color Colour_Of(std::uint32_t colour, BYTE alpha = 255)
{
    return Color(alpha, GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

// Text measured and drawn alike: the chart's face at its point sizes, scaled with the
// control, without GDI+'s extra room around the glyphs.
class Chart_Fonts final : public Chart_Text_Measurer {
public:
    Chart_Fonts(Graphics& graphics, const std::string& face, double scale)
        : graphics_(graphics), face_(Widen(face)), scale_(scale), format_(StringFormat::GenericTypographic())
    {
        format_.SetFormatFlags(format_.GetFormatFlags() | StringFormatFlagsMeasureTrailingSpaces |
                               StringFormatFlagsNoWrap);
    }

    Text_Size Measure(std::string_view text, const Chart_Font& font) const override
    {
        const std::wstring wide = Widen(text);
        RectF box;
        graphics_.MeasureString(wide.c_str(), static_cast<INT>(wide.size()), &Font_For(font), PointF(0, 0), &format_,
                                &box);
        return {box.Width, box.Height};
    }

    void Draw(const Chart_Text_Box& text, const Brush& brush) const
    {
        const std::wstring wide = Widen(text.Text);
        graphics_.DrawString(wide.c_str(), static_cast<INT>(wide.size()), &Font_For(text.Font),
                             PointF(static_cast<REAL>(text.Box.Left), static_cast<REAL>(text.Box.Top)), &format_,
                             &brush);
    }

private:
    Font& Font_For(const Chart_Font& font) const
    {
        for (const auto& [key, made] : fonts_)
            if (key.Points == font.Points && key.Bold == font.Bold) return *made;
        const auto pixels = static_cast<REAL>(std::max(font.Points * 96.0 / 72.0 * scale_, 1.0));
        fonts_.emplace_back(font, std::make_unique<Font>(face_.c_str(), pixels, font.Bold ? FontStyleBold : FontStyleRegular,
                                                         UnitPixel));
        return *fonts_.back().second;
    }

    Graphics& graphics_;
    std::wstring face_;
    double scale_;
    StringFormat format_;
    mutable std::vector<std::pair<Chart_Font, std::unique_ptr<Font>>> fonts_;
};

RectF Rect_Of(const Chart_Rect& rect)
{
    return {static_cast<REAL>(rect.Left), static_cast<REAL>(rect.Top), static_cast<REAL>(rect.Width),
            static_cast<REAL>(rect.Height)};
}

void Draw_Chart(Graphics& graphics, const Chart_Model& model, const Chart_Layout& layout, const Chart_Fonts& fonts,
                double scale)
{
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    graphics.SetTextRenderingHint(TextRenderingHintAntiAlias);
    const SolidBrush wall(Colour_Of(model.Back_Colour));
    graphics.FillRectangle(&wall, 0.0F, 0.0F, static_cast<REAL>(layout.Width), static_cast<REAL>(layout.Height));

    const Pen grid(Color(255, 224, 224, 224), 1);
    for (const Chart_Line& line : layout.Grid_Lines)
        graphics.DrawLine(&grid, static_cast<REAL>(line.X1), static_cast<REAL>(line.Y1), static_cast<REAL>(line.X2),
                          static_cast<REAL>(line.Y2));
    if (layout.Plot.Width > 0 && layout.Plot.Height > 0) {
        const Pen frame(Color(255, 128, 128, 128), 1);
        graphics.DrawRectangle(&frame, Rect_Of(layout.Plot));
    }

    const SolidBrush ink(Color(255, 0, 0, 0));
    for (const Chart_Text_Box& line : layout.Title_Lines) fonts.Draw(line, ink);
    for (const Chart_Text_Box& line : layout.Foot_Lines) fonts.Draw(line, ink);
    for (const Left_Axis_Tick& tick : layout.Left_Ticks) fonts.Draw(tick.Label, ink);
    for (const Bottom_Axis_Label& label : layout.Bottom_Labels) fonts.Draw(label.Label, ink);
    for (const Chart_Text_Box& title : layout.Axis_Titles) fonts.Draw(title, ink);

    if (model.Scatter) {
        const SolidBrush mark(Colour_Of(model.Series.Colour));
        const auto radius = static_cast<REAL>(Scatter_Mark_Radius);
        for (const Pixel_Point& point : layout.Line)
            graphics.FillEllipse(&mark, static_cast<REAL>(point.X) - radius, static_cast<REAL>(point.Y) - radius,
                                 2 * radius, 2 * radius);
        const SolidBrush label_ink(Color(255, 64, 64, 64));
        for (const Chart_Text_Box& label : layout.Point_Labels) fonts.Draw(label, label_ink);
    } else if (layout.Line.size() > 1) {
        std::vector<PointF> points;
        points.reserve(layout.Line.size());
        for (const Pixel_Point& point : layout.Line)
            points.emplace_back(static_cast<REAL>(point.X), static_cast<REAL>(point.Y));
        Pen line(Colour_Of(model.Series.Colour), static_cast<REAL>(std::max(1.5 * scale, 1.0)));
        line.SetLineJoin(LineJoinRound);
        graphics.DrawLines(&line, points.data(), static_cast<INT>(points.size()));
    }
}

}  // namespace

void Chart_Control::Attach(Component& component)
{
    component_ = &component;
    design_width_ = component.Width;
    design_height_ = component.Height;
    component.On_Paint = [this](const Component&, HDC dc, const RECT& rect) { Paint(dc, rect); };
}

void Chart_Control::Changed()
{
    layout_.reset();
    if (On_New_Layout) On_New_Layout();
    if (component_) Component_List::Invalidate(*component_);
}

double Chart_Control::Font_Scale() const
{
    if (design_width_ <= 0 || design_height_ <= 0) return 1;
    return std::min(static_cast<double>(component_->Width) / design_width_,
                    static_cast<double>(component_->Height) / design_height_);
}

const Chart_Layout& Chart_Control::Layout_With(const Chart_Text_Measurer& measurer) const
{
    if (layout_ && layout_size_.cx == component_->Width && layout_size_.cy == component_->Height) return *layout_;
    const bool resized = layout_.has_value();
    layout_ = Lay_Out_Chart(Model, component_->Width, component_->Height, measurer);
    layout_size_ = {component_->Width, component_->Height};
    if (resized && On_New_Layout) On_New_Layout();
    return *layout_;
}

const Chart_Layout& Chart_Control::Layout() const
{
    if (layout_ && layout_size_.cx == component_->Width && layout_size_.cy == component_->Height) return *layout_;
    Ensure_Gdiplus();
    Window_Dc screen(nullptr);
    Graphics graphics(screen.Get());
    return Layout_With(Chart_Fonts(graphics, Model.Font_Face, Font_Scale()));
}

void Chart_Control::Paint(HDC dc, const RECT& rect) const
{
    Ensure_Gdiplus();
    Graphics graphics(dc);
    graphics.TranslateTransform(static_cast<REAL>(rect.left), static_cast<REAL>(rect.top));
    const Chart_Fonts fonts(graphics, Model.Font_Face, Font_Scale());
    Draw_Chart(graphics, Model, Layout_With(fonts), fonts, Font_Scale());
}

Bitmap_Handle Chart_Control::Render_To_Bitmap(const Chart_Model& model) const
{
    Ensure_Gdiplus();
    const int width = std::max(component_->Width, 1), height = std::max(component_->Height, 1);
    Window_Dc screen(nullptr);
    Bitmap_Handle bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!bitmap) throw std::runtime_error("Out of system resources");
    Memory_Dc memory(screen.Get());
    Selected_Object chosen(memory.Get(), bitmap.Get());
    const RECT all{0, 0, width, height};
    FillRect(memory.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    {
        Graphics graphics(memory.Get());
        const Chart_Fonts fonts(graphics, model.Font_Face, Font_Scale());
        Draw_Chart(graphics, model, Lay_Out_Chart(model, width, height, fonts), fonts, Font_Scale());
    }
    return bitmap;
}

}  // namespace halvorn
