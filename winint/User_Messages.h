// Modal messages to the user, as the registry, auto-run and wallpaper logic asks for them:
// the window side shows message boxes, tests record them and answer.
#pragma once

#include <string>

namespace halvorn {

enum class Message_Icon { Information, Error, Warning };
enum class Message_Buttons { Ok, Yes_No };
enum class Message_Answer { Ok, Yes, No };

class User_Messages {
public:
    virtual ~User_Messages() = default;
    virtual Message_Answer Show(const std::wstring& text, Message_Icon icon, Message_Buttons buttons) = 0;
};

}  // namespace halvorn
