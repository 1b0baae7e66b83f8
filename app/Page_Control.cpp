#include "app/Page_Control.h"

#include <commctrl.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/Child_Controls.h"
#include "platform/Win_Text.h"

namespace halvorn {

namespace {
constexpr std::string_view Page_Names[] = {"TabSheet1", "TabSheet2"};
constexpr std::string_view Page_Captions[] = {"Periodic Table", "Comparison Graphs"};
constexpr UINT Quiet_Move = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS;
}  // namespace

void Page_Control::Create(Component& form)
{
    Component control;
    control.Name = "PageControl1";
    control.Kind = Component_Kind::Windowed;
    control.Parent = &form;
    control.Left = 5, control.Top = 2, control.Width = 681, control.Height = 481;
    control.Font = form.Font;
    control.Window = Create_Child_Control(form.Window,
                                          {.Class_Name = WC_TABCONTROLW,
                                           .Style = WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP,
                                           .Left = control.Left, .Top = control.Top,
                                           .Width = control.Width, .Height = control.Height,
                                           .Font = fonts_.Get(control.Font)},
                                          "the page control");
    control_ = &components_.Add(std::move(control));

    for (int i = 0; i < 2; ++i) {
        std::wstring caption = Widen(Page_Captions[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(control_->Window, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    // The pages stand over the tab control's display area as its siblings, above it: the
    // dialog keys then reach their controls, and the tab control stays a tab stop itself.
    RECT display;
    GetClientRect(control_->Window, &display);
    SendMessageW(control_->Window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (std::size_t i = 0; i < 2; ++i) {
        Component page;
        page.Name = Page_Names[i];
        page.Kind = Component_Kind::Windowed;
        page.Parent = &form;
        page.Caption = Page_Captions[i];
        page.Font = form.Font;
        pages_[i] = &components_.Add(std::move(page));
        Fit_Page(*pages_[i], display);
        page_windows_[i] = std::make_unique<Host_Window>(components_, fonts_);
        page_windows_[i]->Create_For(*pages_[i], i == 0 ? WS_VISIBLE : 0);
        SetWindowPos(pages_[i]->Window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void Page_Control::Fit_Page(Component& page, const RECT& display) const
{
    page.Set_Bounds(control_->Left + display.left, control_->Top + display.top,
                    std::max<int>(display.right - display.left, 0), std::max<int>(display.bottom - display.top, 0));
}

int Page_Control::Active_Page() const
{
    return SendMessageW(control_->Window, TCM_GETCURSEL, 0, 0) == 1 ? 1 : 0;
}

void Page_Control::Show_Page(int index)
{
    if (!laid_out_[static_cast<std::size_t>(index)]) Apply_Page_Controls(index);
    SendMessageW(control_->Window, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowWindow(Page(index).Window, SW_SHOW);
    ShowWindow(Page(1 - index).Window, SW_HIDE);
}

bool Page_Control::Handle_Notify(const NMHDR& header)
{
    if (header.hwndFrom != control_->Window) return false;
    if (header.code == TCN_SELCHANGE) Show_Page(Active_Page());
    return true;
}

void Page_Control::Apply_Scaled_Bounds()
{
    // The tab height follows the font, and the pages' area follows the tab height.
    const HFONT tab_font = fonts_.Get(control_->Font);
    if (reinterpret_cast<HFONT>(SendMessageW(control_->Window, WM_GETFONT, 0, 0)) != tab_font)
        SendMessageW(control_->Window, WM_SETFONT, reinterpret_cast<WPARAM>(tab_font), FALSE);

    // The pages fill the page control's display area, as the control lays them out.
    RECT display{0, 0, control_->Width, control_->Height};
    SendMessageW(control_->Window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (Component* page : pages_) Fit_Page(*page, display);
    // Every real window costs a round trip through the platform: only the page control,
    // the showing page and its controls move now, in one batch.
    laid_out_ = {false, false};
    Apply_Page_Controls(Active_Page(), true);
}

void Page_Control::Apply_Page_Controls(int index, bool with_control)
{
    const Component& page = Page(index);
    HDWP moves = BeginDeferWindowPos(16);
    if (moves && with_control)
        moves = DeferWindowPos(moves, control_->Window, nullptr, control_->Left, control_->Top, control_->Width,
                               control_->Height, Quiet_Move);
    if (moves) moves = DeferWindowPos(moves, page.Window, nullptr, page.Left, page.Top, page.Width, page.Height, Quiet_Move);
    std::vector<const Component*> refonts;
    for (std::size_t i = 0; i < components_.Count(); ++i) {
        Component& component = components_.At(i);
        if (!component.Window || component.Parent != &page) continue;
        // A hidden control (a view's that is not shown) is placed when it shows: moving
        // a drop-down list costs as much as painting the page.
        if (!component.Visible) {
            component.Before_Show = [this](const Component& shown) { Place_Control(shown); };
            continue;
        }
        if (moves)
            moves = DeferWindowPos(moves, component.Window, nullptr, component.Left, component.Top, component.Width,
                                   Window_Height(component), Quiet_Move);
        if (reinterpret_cast<HFONT>(SendMessageW(component.Window, WM_GETFONT, 0, 0)) != fonts_.Get(component.Font))
            refonts.push_back(&component);
    }
    if (moves) EndDeferWindowPos(moves);
    for (const Component* component : refonts)
        SendMessageW(component->Window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(component->Font)), FALSE);
    laid_out_[static_cast<std::size_t>(index)] = true;
}

int Page_Control::Window_Height(const Component& control)
{
    // A drop-down list keeps room for its list below the edit part.
    return control.Drop_Down ? control.Height * Drop_Down_Rows : control.Height;
}

void Page_Control::Place_Control(const Component& control)
{
    SetWindowPos(control.Window, nullptr, control.Left, control.Top, control.Width, Window_Height(control),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (const HFONT font = fonts_.Get(control.Font);
        reinterpret_cast<HFONT>(SendMessageW(control.Window, WM_GETFONT, 0, 0)) != font)
        SendMessageW(control.Window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace halvorn
