// The modal loop and the handle owner, on windows and handles of their own.
#include <windows.h>

#include <vector>

#include "platform/Modal_Runner.h"
#include "platform/Unique_Handle.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {
namespace {

Modal_Runner* running = nullptr;

// The owner ends the run as soon as a command reaches it.
LRESULT CALLBACK Owner_Procedure(HWND window, UINT message, WPARAM w, LPARAM l)
{
    if (message == WM_COMMAND && running) running->End(Modal_Result::Ok);
    return DefWindowProcW(window, message, w, l);
}

HWND Plain_Window(HWND owner = nullptr)
{
    static const ATOM registered = [] {
        WNDCLASSW type{};
        type.lpfnWndProc = Owner_Procedure;
        type.hInstance = GetModuleHandleW(nullptr);
        type.lpszClassName = L"Halvorn.Test.Plain";
        return RegisterClassW(&type);
    }();
    return CreateWindowExW(0, MAKEINTATOM(registered), L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, owner, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

TEST(Modal_Runner_Test, EndsOnAQuitWhichItHandsOnAndRunsCommandsForOtherWindows)
{
    const HWND owner = Plain_Window();
    const HWND dialog = Plain_Window(owner);
    Modal_Runner runner;
    running = &runner;
    EXPECT_FALSE(runner.Take_Close()) << "a close outside a run is the window's own";

    // An Escape meant for the owner is not the dialog's; the command after it still arrives.
    PostMessageW(owner, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(owner, WM_COMMAND, 1, 0);
    EXPECT_EQ(runner.Run(dialog, owner), Modal_Result::Ok);

    PostQuitMessage(7);
    EXPECT_EQ(runner.Run(dialog, owner), Modal_Result::None);
    EXPECT_FALSE(runner.Running());
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindowVisible(dialog));
    MSG quit{};
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit is lost";
    EXPECT_EQ(quit.wParam, 7u);
    running = nullptr;
    DestroyWindow(dialog);
    DestroyWindow(owner);
}

std::vector<int> freed;
void Free_Number(int handle) { freed.push_back(handle); }
using Owner = Unique_Handle<int, Free_Number>;

TEST(Unique_Handle_Test, EveryHandleIsFreedOnceWhicheverWayItsOwnerGoes)
{
    freed.clear();
    {
        Owner one(1), two(2), three(3), four(4);
        Owner moved(std::move(one));
        two = std::move(moved);  // 2 goes now, 1 lives on in two
        Owner& same = two;
        two = std::move(same);
        EXPECT_EQ(three.Release(), 3);
        four.Reset(5);
        EXPECT_FALSE(one);
        EXPECT_EQ(freed, (std::vector<int>{2, 4}));
    }
    EXPECT_EQ(freed, (std::vector<int>{2, 4, 5, 1}));
}

}  // namespace
}  // namespace halvorn::test
