// Answers the program's message boxes for one test, under the program's title.
#pragma once

#include <string>
#include <vector>

#include "platform/Seams.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {

class Box_Recorder {
public:
    Box_Recorder() : previous_title_(Application_Title())
    {
        Set_Application_Title("Halvorn v2.0b");
        Set_Message_Box_Hook([this](HWND, const std::string& text, const std::string& title, UINT flags) {
            Boxes.push_back({text, title, flags});
            if (Answers.empty()) return IDOK;
            const int answer = Answers.front();
            Answers.erase(Answers.begin());
            return answer;
        });
    }
    Box_Recorder(const Box_Recorder&) = delete;
    Box_Recorder& operator=(const Box_Recorder&) = delete;
    ~Box_Recorder()
    {
        Set_Message_Box_Hook(nullptr);
        Set_Application_Title(previous_title_);
    }

    std::vector<Recorded_Box> Boxes;
    std::vector<int> Answers;  // given in turn; IDOK when none are left

private:
    std::string previous_title_;
};

}  // namespace halvorn::test
