// The resize reference: a lean program of the main window's composition. A tab control
// with two tabs, five push buttons in bold Times New Roman, and one page that paints 128
// captioned sunken boxes itself into a memory bitmap. On WM_SIZE it moves its children in
// one DeferWindowPos batch and repaints before returning. Built twice: with the classic
// controls, and with a manifest asking for the visual-style controls Halvorn uses.
#include <windows.h>
#include <commctrl.h>

#include <string>

#ifndef LEAN_TITLE
#define LEAN_TITLE L"Lean Reference"
#endif

namespace {

HWND tabs, page, buttons[5];
HFONT button_font;

LRESULT CALLBACK Page_Procedure(HWND window, UINT message, WPARAM w, LPARAM l)
{
    if (message == WM_ERASEBKGND) return 1;
    if (message != WM_PAINT) return DefWindowProcW(window, message, w, l);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ old_bitmap = SelectObject(buffer, bitmap);
    FillRect(buffer, &client, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(buffer, TRANSPARENT);
    const int width = client.right / 18, height = client.bottom / 9;
    HFONT font = CreateFontW(-height / 3, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Times New Roman");
    HGDIOBJ old_font = SelectObject(buffer, font);
    HBRUSH fill = CreateSolidBrush(RGB(255, 255, 0));
    for (int i = 0; i < 128; ++i) {
        RECT box{(i % 18) * width, (i / 18) * height, (i % 18 + 1) * width - 2, (i / 18 + 1) * height - 2};
        FillRect(buffer, &box, fill);
        DrawEdge(buffer, &box, BDR_SUNKENOUTER, BF_RECT);
        const std::wstring caption = std::to_wstring(i + 1) + L"\nFe";
        DrawTextW(buffer, caption.c_str(), -1, &box, DT_CENTER);
    }
    DeleteObject(fill);
    SelectObject(buffer, old_font);
    DeleteObject(font);
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(buffer);
    EndPaint(window, &paint);
    return 0;
}

void Lay_Out(HWND main)
{
    RECT client;
    GetClientRect(main, &client);
    const int width = client.right, height = client.bottom;
    RECT display{0, 0, width - 10, height - 4};
    SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    HDWP moves = BeginDeferWindowPos(7);
    moves = DeferWindowPos(moves, tabs, nullptr, 5, 2, width - 10, height - 4, SWP_NOZORDER | SWP_NOACTIVATE);
    moves = DeferWindowPos(moves, page, nullptr, display.left, display.top, display.right - display.left,
                           (display.bottom - display.top) * 9 / 10, SWP_NOZORDER | SWP_NOACTIVATE);
    for (int i = 0; i < 5; ++i)
        moves = DeferWindowPos(moves, buttons[i], nullptr, display.left + i * (width - 20) / 5,
                               display.top + (display.bottom - display.top) * 9 / 10, (width - 20) / 5 - 6,
                               (display.bottom - display.top) / 10 - 2, SWP_NOZORDER | SWP_NOACTIVATE);
    EndDeferWindowPos(moves);
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT CALLBACK Main_Procedure(HWND window, UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_SIZE:
        if (tabs) Lay_Out(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, w, l);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW window_class{};
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpfnWndProc = Main_Procedure;
    window_class.lpszClassName = L"Lean";
    RegisterClassW(&window_class);
    window_class.hbrBackground = nullptr;
    window_class.lpfnWndProc = Page_Procedure;
    window_class.lpszClassName = L"Lean.Page";
    RegisterClassW(&window_class);

    HWND main = CreateWindowExW(0, L"Lean", LEAN_TITLE, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 700,
                                540, nullptr, nullptr, instance, nullptr);
    HWND tab_control = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 10, 10,
                                       main, nullptr, instance, nullptr);
    for (const wchar_t* caption : {L"Periodic Table", L"Comparison Graphs"}) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(caption);
        SendMessageW(tab_control, TCM_INSERTITEMW, static_cast<WPARAM>(SendMessageW(tab_control, TCM_GETITEMCOUNT, 0, 0)),
                     reinterpret_cast<LPARAM>(&item));
    }
    page = CreateWindowExW(0, L"Lean.Page", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, tab_control, nullptr, instance,
                           nullptr);
    button_font = CreateFontW(-15, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Times New Roman");
    for (HWND& button : buttons) {
        button = CreateWindowExW(0, WC_BUTTONW, L"Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 10, 10,
                                 tab_control, nullptr, instance, nullptr);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(button_font), FALSE);
    }
    tabs = tab_control;
    Lay_Out(main);
    ShowWindow(main, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(button_font);
    return 0;
}
