// What the drivers of the real program share: finding its windows, waiting for them and
// for the painted table, and clicking with the mouse as a user would.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "platform/Win_Text.h"
#include "table_view/Table_Layout.h"

namespace halvorn::driver {

using Clock = std::chrono::steady_clock;
inline constexpr const wchar_t* Main_Title = L"Halvorn v2.0b";
inline constexpr int Design_Client_Width = 691, Design_Client_Height = 485;

template <typename Condition>
bool Wait_For(double seconds, Condition condition)
{
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return condition();
}

// The first visible top-level window with exactly this title, one with a menu first (the
// program's hidden application window and its message boxes share the main window's title).
inline HWND Visible_Window(const std::wstring& title)
{
    for (const bool menu_wanted : {true, false})
        for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, title.c_str()); window;
             window = FindWindowExW(nullptr, window, nullptr, title.c_str()))
            if (IsWindowVisible(window) && (!menu_wanted || GetMenu(window))) return window;
    return nullptr;
}

// The first visible child of parent of this class with this text.
inline HWND Find_Visible_Child(HWND parent, const std::wstring& class_name, const std::wstring& text)
{
    struct Search {
        const std::wstring &Class_Name, &Text;
        HWND Found = nullptr;
    } search{class_name, text};
    EnumChildWindows(parent, [](HWND child, LPARAM data) -> BOOL {
        auto& search = *reinterpret_cast<Search*>(data);
        wchar_t class_name[64], text[128];
        GetClassNameW(child, class_name, 64);
        GetWindowTextW(child, text, 128);
        if (!IsWindowVisible(child) || search.Class_Name != class_name || search.Text != text) return TRUE;
        search.Found = child;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// The screen point of element box n at the given share of its width and height (its middle
// by default), wherever the window is and whatever its size: the boxes scale with the client
// area from the design layout.
inline POINT Box_Point(HWND main, int number, double across = 0.5, double down = 0.5)
{
    HWND page = Find_Visible_Child(main, L"Halvorn.Host", L"Periodic Table");
    RECT client;
    GetClientRect(main, &client);
    const double width_ratio = static_cast<double>(client.right) / Design_Client_Width;
    const double height_ratio = static_cast<double>(client.bottom) / Design_Client_Height;
    const halvorn::Design_Point place = halvorn::Element_Box_Place(number);
    POINT point{static_cast<int>((place.Left + halvorn::Box_Width * across) * width_ratio),
                static_cast<int>((place.Top + halvorn::Box_Height * down) * height_ratio)};
    ClientToScreen(page, &point);
    return point;
}

inline bool Table_Painted(HWND main)
{
    if (!main || !Find_Visible_Child(main, L"Halvorn.Host", L"Periodic Table")) return false;
    // Lithium's box is red with the factory colours; read the screen, not the program, near
    // the box's corner, where no caption reaches at any size.
    const POINT at = Box_Point(main, 3, 0.15, 0.15);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour == RGB(255, 0, 0);
}

inline int Fail(const char* what)
{
    std::fprintf(stderr, "halvorn_driver: %s\n", what);
    return 1;
}

}  // namespace halvorn::driver
