#include "platform/Seams.h"

#include <commdlg.h>

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <utility>

#include "platform/Win_Text.h"

namespace halvorn {

namespace {

Message_Box_Hook message_box_hook;
Colour_Dialog_Hook colour_dialog_hook;
Save_Dialog_Hook save_dialog_hook;
std::wstring executable_path_override;
std::string application_title;

}  // namespace

int Show_Message_Box(HWND owner, std::string_view text, std::string_view title, UINT flags)
{
    if (message_box_hook) return message_box_hook(owner, std::string(text), std::string(title), flags);
    return MessageBoxW(owner, Widen(text).c_str(), Widen(title).c_str(), flags);
}

int Show_Message_Box(HWND owner, std::wstring_view text, std::wstring_view title, UINT flags)
{
    if (message_box_hook) return message_box_hook(owner, Narrow(text), Narrow(title), flags);
    return MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(title).c_str(), flags);
}

void Set_Message_Box_Hook(Message_Box_Hook hook) { message_box_hook = std::move(hook); }

bool Run_Colour_Dialog(HWND owner, COLORREF& colour)
{
    if (colour_dialog_hook) return colour_dialog_hook(owner, colour);
    // The dialog's library, with all it pulls in, is loaded when first wanted rather
    // than at start-up.
    using Choose_Colour = BOOL(WINAPI*)(LPCHOOSECOLORW);
    static const HMODULE library = LoadLibraryExW(L"comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const auto choose_colour =
        library ? reinterpret_cast<Choose_Colour>(reinterpret_cast<void*>(GetProcAddress(library, "ChooseColorW")))
                : nullptr;
    if (!choose_colour) throw std::runtime_error("Cannot open the colour dialog");
    // Custom colours are not kept between uses.
    COLORREF custom[16];
    for (COLORREF& c : custom) c = RGB(255, 255, 255);
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.rgbResult = colour;
    dialog.lpCustColors = custom;
    dialog.Flags = CC_RGBINIT;
    if (!choose_colour(&dialog)) return false;
    colour = dialog.rgbResult;
    return true;
}

void Set_Colour_Dialog_Hook(Colour_Dialog_Hook hook) { colour_dialog_hook = std::move(hook); }

bool Run_Save_Dialog(HWND owner, std::wstring_view title, const std::vector<Save_Filter>& filters,
                     std::wstring_view default_extension, Save_Choice& choice)
{
    if (save_dialog_hook) return save_dialog_hook(owner, filters, choice);
    // Loaded when first wanted, as the colour dialog is.
    using Get_Save_File_Name = BOOL(WINAPI*)(LPOPENFILENAMEW);
    static const HMODULE library = LoadLibraryExW(L"comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const auto get_save_file_name =
        library ? reinterpret_cast<Get_Save_File_Name>(reinterpret_cast<void*>(GetProcAddress(library, "GetSaveFileNameW")))
                : nullptr;
    if (!get_save_file_name) throw std::runtime_error("Cannot open the save dialog");
    std::wstring filter_text;
    for (const Save_Filter& filter : filters) filter_text += filter.Description + L'\0' + filter.Pattern + L'\0';
    filter_text += L'\0';
    std::wstring path = choice.Path;
    path.resize(std::max<std::size_t>(path.size() + 1, 32768), L'\0');
    const std::wstring title_text(title), extension(default_extension);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter_text.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(choice.Filter);
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());  // characters, not bytes
    dialog.lpstrTitle = title_text.c_str();
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!get_save_file_name(&dialog)) return false;
    choice.Path = path.c_str();
    choice.Filter = static_cast<int>(dialog.nFilterIndex);
    return true;
}

void Set_Save_Dialog_Hook(Save_Dialog_Hook hook) { save_dialog_hook = std::move(hook); }

std::wstring Executable_Path()
{
    if (!executable_path_override.empty()) return executable_path_override;
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void Set_Executable_Path_Override(std::wstring path) { executable_path_override = std::move(path); }

std::wstring Executable_Directory()
{
    const std::wstring path = Executable_Path();
    const auto end = path.find_last_of(L"\\:");
    return end == std::wstring::npos ? std::wstring() : path.substr(0, end + 1);
}

void Set_Application_Title(std::string_view title) { application_title = title; }
const std::string& Application_Title() { return application_title; }

void Run_Guarded(HWND owner, const std::function<void()>& command) noexcept
{
    try {
        command();
    } catch (const std::exception& error) {
        std::string text = error.what();
        if (!text.empty() && text.back() != '.') text += '.';
        try {
            Show_Message_Box(owner, text, application_title, MB_OK | MB_ICONERROR);
        } catch (...) {
        }
    } catch (...) {
    }
}

void Paint_Now(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

void Process_Messages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave the quit for the message loop that owns it.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch_Program_Message(message);
    }
}

void Dispatch_Program_Message(MSG& message)
{
    const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && IsDialogMessageW(root, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace halvorn
