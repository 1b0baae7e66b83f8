// Shared set-up of the Windows-side tests: the real program windows in a temporary
// executable directory, with message boxes and the colour dialog answered by the test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

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

// Presses a key on the control that has the focus, handed on as the program's loops do.
void Press_Key(WPARAM key, bool shift = false);

struct Recorded_Box {
    std::string Text;
    std::string Title;
    UINT Flags;
};

class Program_Test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the six windows and runs the first show sequence.
    void Start();
    // Closes the main window as the title bar would, which writes the settings.
    void Close();

    std::wstring Ini_Path() const { return directory_ + L"Halvorn.ini"; }
    void Write_Ini(const std::string& content) const;
    std::string Read_Ini() const;
    bool Ini_Exists() const { return GetFileAttributesW(Ini_Path().c_str()) != INVALID_FILE_ATTRIBUTES; }

    TMainForm1& Main() { return program_->MainForm1; }
    Program_Windows& Program() { return *program_; }
    void Set_Client_Size(int width, int height);
    RECT Outer_Bounds() const;
    // The main window's outer bounds are these.
    void Expect_Outer_Bounds(int left, int top, int width, int height) const;
    // Presses a mouse button on a graphic control through its host window.
    void Press(const Component& component, UINT message = WM_LBUTTONDOWN);

    std::vector<Recorded_Box> Boxes;
    std::vector<int> Box_Answers;  // answers given in turn; IDOK when none are left

private:
    std::wstring directory_;
    std::unique_ptr<Program_Windows> program_;
};

}  // namespace halvorn::test
