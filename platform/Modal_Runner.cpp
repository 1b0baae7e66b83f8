#include "platform/Modal_Runner.h"

namespace halvorn {

Modal_Result Modal_Runner::Run(HWND dialog, HWND owner, HWND first_focus)
{
    dialog_ = dialog;
    running_ = true;
    result_ = Modal_Result::None;
    EnableWindow(owner, FALSE);
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    if (first_focus) SetFocus(first_focus);

    MSG message{};
    bool quit = false;
    while (running_) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            quit = true;
            break;
        }
        const bool ours = message.hwnd == dialog || IsChild(dialog, message.hwnd);
        if (ours && message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
            Cancel();
            continue;
        }
        if (IsDialogMessageW(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (quit) PostQuitMessage(static_cast<int>(message.wParam));
    running_ = false;
    // The owner comes back before the dialog hides, so activation returns to it.
    EnableWindow(owner, TRUE);
    ShowWindow(dialog, SW_HIDE);
    SetForegroundWindow(owner);
    return result_;
}

void Modal_Runner::End(Modal_Result result)
{
    result_ = result;
    running_ = false;
}

void Modal_Runner::Cancel()
{
    if (On_Cancel) On_Cancel();
    else End(Modal_Result::Cancel);
}

bool Modal_Runner::Take_Close()
{
    if (!running_) return false;
    Cancel();
    return true;
}

}  // namespace halvorn
