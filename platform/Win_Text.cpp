#include "platform/Win_Text.h"

namespace halvorn {

namespace {
constexpr UINT Windows_1252 = 1252;
}

std::wstring Widen(std::string_view ansi)
{
    if (ansi.empty()) return {};
    const int size = static_cast<int>(ansi.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(Windows_1252, 0, ansi.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(Windows_1252, 0, ansi.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Narrow(std::wstring_view wide)
{
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    std::string ansi(static_cast<std::size_t>(WideCharToMultiByte(Windows_1252, 0, wide.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(Windows_1252, 0, wide.data(), size, ansi.data(), static_cast<int>(ansi.size()), nullptr, nullptr);
    return ansi;
}

std::string Window_Text(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void Set_Window_Text(HWND window, std::string_view text)
{
    SetWindowTextW(window, Widen(text).c_str());
}

std::wstring System_Error_Text(DWORD code)
{
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : L"Error " + std::to_wstring(code) + L".";
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
    return text;
}

}  // namespace halvorn
