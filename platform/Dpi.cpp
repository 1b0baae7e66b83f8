#include "platform/Dpi.h"

#include "platform/Button_Decor.h"
#include "platform/Gdi_Owners.h"

namespace halvorn {

int Window_Dpi(HWND window)
{
    const UINT dpi = window ? GetDpiForWindow(window) : GetDpiForSystem();
    return dpi ? static_cast<int>(dpi) : Design_Dpi;
}

int Start_At_Window_Dpi(HWND window, Font_Cache& fonts, Button_Decor& buttons)
{
    const int dpi = Window_Dpi(window);
    fonts.Set_Dpi(dpi);
    buttons.Set_Dpi(dpi);
    return dpi;
}

void Lay_Out_For_Dpi(Component_List& components, const Component* window, int dpi, Font_Cache& fonts,
                     Button_Decor& buttons)
{
    fonts.Set_Dpi(dpi);
    Apply_Design_Layout(components, window, dpi, fonts);
    buttons.Set_Dpi(dpi);
}

int Glyph_Size(int dpi)
{
    const int wanted = Dpi_Scaled(16, dpi);
    int size = 16;
    for (const int drawn : {20, 24, 32})
        if (drawn <= wanted) size = drawn;
    return size;
}

SIZE Outer_Size(int client_width, int client_height, DWORD style, DWORD ex_style, bool menu, int dpi)
{
    RECT outer{0, 0, client_width, client_height};
    AdjustWindowRectExForDpi(&outer, style, menu, ex_style, static_cast<UINT>(dpi));
    return {outer.right - outer.left, outer.bottom - outer.top};
}

void Apply_Design_Layout(Component_List& components, const Component* window, int dpi, Font_Cache& fonts)
{
    const Memory_Dc measuring(nullptr);
    const Repaint_Batch one_repaint;
    for (std::size_t i = 0; i < components.Count(); ++i) {
        Component& component = components.At(i);
        if (!component.Is_Control() || &component == window) continue;
        const Component_Design& design = component.Design;
        component.Set_Bounds(Dpi_Scaled(design.Left, dpi), Dpi_Scaled(design.Top, dpi), Dpi_Scaled(design.Width, dpi),
                             Dpi_Scaled(design.Height, dpi));
        // Points are points at any DPI: the font cache turns them into pixels.
        component.Set_Font_Points(design.Font_Points);
        if (component.Auto_Size && component.Font.Points > 0)
            Component_List::Fit_To_Caption(component, fonts, measuring.Get());
    }
}

}  // namespace halvorn
