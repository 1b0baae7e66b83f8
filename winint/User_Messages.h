// Modal messages to the user, as the registry, auto-run and wallpaper logic asks for them:
// the window side shows message boxes, tests record them and answer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace halvorn {

enum class Message_Icon { Information, Error, Warning };
enum class Message_Buttons { Ok, Yes_No };
enum class Message_Answer { Ok, Yes, No };

class User_Messages {
public:
    virtual ~User_Messages() = default;
    virtual Message_Answer Show(const std::wstring& text, Message_Icon icon, Message_Buttons buttons) = 0;
    // The line, shortened in its middle where it would not fit one line of a box on the
    // screen (a path of any length, say), so that the box and its buttons stay in reach.
    virtual std::wstring Fit_Line(std::wstring_view line) = 0;
};

// The text's start and end with an ellipsis between them, in at most length characters;
// the text itself when it fits.
std::wstring Shorten_Middle(std::wstring_view text, std::size_t length);

}  // namespace halvorn
