// The start-up reference: a bare window with 216 static controls, about what a plain
// control-per-label design of the main window would create.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = [](HWND window, UINT message, WPARAM w, LPARAM l) -> LRESULT {
        if (message == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcW(window, message, w, l);
    };
    window_class.hInstance = instance;
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    window_class.lpszClassName = L"Reference";
    RegisterClassW(&window_class);
    HWND main = CreateWindowExW(0, L"Reference", L"Reference", WS_OVERLAPPEDWINDOW, 20, 20, 700, 540, nullptr,
                                nullptr, instance, nullptr);
    for (int i = 0; i < 216; ++i) {
        CreateWindowExW(0, L"STATIC", L"26\rFe", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_SUNKEN, 4 + 37 * (i % 18),
                        4 + 40 * (i / 18), 35, 38, main, nullptr, instance, nullptr);
    }
    ShowWindow(main, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
