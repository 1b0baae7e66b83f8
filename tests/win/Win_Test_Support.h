// Shared set-up of the Windows-side tests: the real program windows in a temporary
// executable directory, with message boxes and the colour dialog answered by the test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Program_Windows.h"

namespace halvorn::test {

// What a window shows in its client area (or, whole, with its frame and scroll bars), read
// back from its surface once it has painted what it had to.
struct Client_Pixels {
    int Width = 0, Height = 0;
    std::vector<COLORREF> Colours;
    COLORREF At(int x, int y) const { return Colours[static_cast<std::size_t>(y) * Width + x]; }
};
Client_Pixels Read_Client_Pixels(HWND window, bool whole = false);
// A bitmap's pixels; none for no bitmap.
Client_Pixels Read_Bitmap_Pixels(HBITMAP bitmap);
// The bitmap on the clipboard, read out; none when it holds no bitmap.
Client_Pixels Clipboard_Bitmap();
// The clipboard's plain text, after putting put there when given.
std::wstring Clipboard_Text(const wchar_t* put = nullptr);
// A file's bytes; none for no file.
std::string File_Bytes(const std::wstring& path);
// The element text with one field replaced: line 0 is the header, columns count from 1.
std::string With_Field(std::string text, std::size_t line, int column, const std::string& value);
// A control tells its parent it was used, as it does when the user uses it.
void Notify(const Component& control, WORD code = BN_CLICKED);

// A window of another thread, as another program's would be, in front once made.
class Other_Program_Window {
public:
    Other_Program_Window();
    Other_Program_Window(const Other_Program_Window&) = delete;
    Other_Program_Window& operator=(const Other_Program_Window&) = delete;
    ~Other_Program_Window();

private:
    DWORD thread_id_ = 0;
    HANDLE thread_ = nullptr;
};

// Presses a key on the control that has the focus, handed on as the program's loops do.
void Press_Key(WPARAM key, bool shift = false);
// Holds Shift down, or lets it go, for the keys that follow.
void Set_Shift(bool down);

// Every component's bounds and font size, in component order.
using Component_Layout = std::vector<std::array<int, 5>>;
Component_Layout Layout_Of(Component_List& components);
// Every component stands where it stood in before.
void Expect_Layout(Component_List& components, const Component_Layout& before);

struct Recorded_Box {
    std::string Text, Title;
    UINT Flags;
};

// Records the program's message boxes and gives the answers in turn (IDOK when none are left).
struct Box_Log {
    void Install();
    static void Remove();
    std::vector<Recorded_Box> Boxes;
    std::vector<int> Answers;
};

// A box log for one test outside the program's windows, under the program's title.
class Box_Recorder : public Box_Log {
public:
    Box_Recorder();
    Box_Recorder(const Box_Recorder&) = delete;
    Box_Recorder& operator=(const Box_Recorder&) = delete;
    ~Box_Recorder();

private:
    std::string previous_title_;
};

// What the user does in a modal window, queued before it opens: a timer takes the steps in
// turn inside the window's own loop, each with the window in front. A window still open
// well after them is closed, so that no test can hang on it.
struct Modal_Steps {
    void Add(std::function<void()> step) { Steps.push_back(std::move(step)); }
    void Wait(int count);
    // Runs open, which shows window modally over owner.
    void Run_Modal(HWND window, HWND owner, const std::function<void()>& open);
    std::vector<std::function<void()>> Steps;
};

// Writes settings into path until the process is killed (the kill test's other process).
int Write_Settings_Forever(const std::wstring& path);

class Program_Test : public ::testing::Test, protected Box_Log {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the first show sequence over the windows SetUp created, as the program does.
    void Start();
    // Closes the main window as the title bar would, which writes the settings.
    void Close();

    std::wstring Ini_Path() const { return directory_ + L"Halvorn.ini"; }
    void Write_Ini(const std::string& content) const;
    std::string Read_Ini() const { return File_Bytes(Ini_Path()); }
    bool Ini_Exists() const { return GetFileAttributesW(Ini_Path().c_str()) != INVALID_FILE_ATTRIBUTES; }

    TMainForm1& Main() { return program_->MainForm1; }
    Program_Windows& Program() { return *program_; }
    // A menu command, as the main window's menu sends it.
    void Command(int id) { SendMessageW(Main().Handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
    void Set_Client_Size(int width, int height);
    RECT Outer_Bounds() const;
    // The main window's outer bounds are these.
    void Expect_Outer_Bounds(int left, int top, int width, int height) const;
    // Presses a mouse button on a graphic control through its host window.
    void Press(const Component& component, UINT message = WM_LBUTTONDOWN);

private:
    std::wstring directory_;
    std::unique_ptr<Program_Windows> program_;
};

}  // namespace halvorn::test
