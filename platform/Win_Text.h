// Conversions between the program's Windows-1252 texts and the UTF-16 of the W functions.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace halvorn {

std::wstring Widen(std::string_view ansi);
std::string Narrow(std::wstring_view wide);

// A window's text, as Windows-1252.
std::string Window_Text(HWND window);
void Set_Window_Text(HWND window, std::string_view text);

// The system's own sentence for an error code, without its line break.
std::wstring System_Error_Text(DWORD code);

}  // namespace halvorn
