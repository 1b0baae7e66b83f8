#include "winint/Windows_Messages.h"

#include "platform/Gdi_Owners.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"

namespace halvorn {

Message_Answer Windows_Messages::Show(const std::wstring& text, Message_Icon icon, Message_Buttons buttons)
{
    UINT flags = buttons == Message_Buttons::Yes_No ? MB_YESNO : MB_OK;
    switch (icon) {
    case Message_Icon::Information:
        flags |= MB_ICONINFORMATION;
        break;
    case Message_Icon::Error:
        flags |= MB_ICONERROR;
        break;
    case Message_Icon::Warning:
        flags |= MB_ICONWARNING;
        break;
    }
    switch (Show_Message_Box(owner_, text, Widen(Application_Title()), flags)) {
    case IDYES:
        return Message_Answer::Yes;
    case IDNO:
        return Message_Answer::No;
    default:
        return Message_Answer::Ok;
    }
}

std::wstring Windows_Messages::Fit_Line(std::wstring_view line)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const LONG room = (monitor.rcWork.right - monitor.rcWork.left) / 2;

    Window_Dc screen(nullptr);
    const Font_Handle font(CreateFontIndirectW(&metrics.lfMessageFont));
    const Selected_Object selected(screen.Get(), font.Get());
    const auto fits = [&](const std::wstring& text) {
        SIZE size{};
        GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx <= room;
    };
    std::wstring whole(line);
    if (fits(whole)) return whole;
    // The longest shortening that fits.
    std::size_t low = 0, high = line.size();
    while (low < high) {
        const std::size_t middle = (low + high + 1) / 2;
        if (fits(Shorten_Middle(line, middle))) low = middle;
        else high = middle - 1;
    }
    return Shorten_Middle(line, low);
}

}  // namespace halvorn
