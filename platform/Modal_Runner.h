// Runs a window as a modal dialog over its owner: the owner is disabled, the dialog's own
// message loop runs until the dialog ends it, and Escape or the title-bar close cancel.
#pragma once

#include <windows.h>

#include <functional>

namespace halvorn {

enum class Modal_Result { None, Ok, Cancel };

class Modal_Runner {
public:
    Modal_Runner() = default;
    Modal_Runner(const Modal_Runner&) = delete;
    Modal_Runner& operator=(const Modal_Runner&) = delete;

    // Called for Escape (whichever control of the dialog has the focus, the dialog itself
    // included) and for the title-bar close; by default it ends with Cancel.
    std::function<void()> On_Cancel;

    // Shows dialog over owner and returns once End has been called. A WM_QUIT that
    // arrives meanwhile ends the run and is handed on to the loop that owns it.
    Modal_Result Run(HWND dialog, HWND owner, HWND first_focus = nullptr);
    void End(Modal_Result result);
    void Cancel();
    bool Running() const { return running_; }

    // The dialog's window procedure offers it WM_CLOSE first; true when the runner took it.
    bool Take_Close();

private:
    HWND dialog_ = nullptr;
    bool running_ = false;
    Modal_Result result_ = Modal_Result::None;
};

}  // namespace halvorn
