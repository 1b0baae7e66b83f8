#include "app/Program_Texts.h"

namespace halvorn {

Program_Texts Program_Texts_For_Year(int year)
{
    const std::string title(Program_Title);
    return {
        title,
        title,
        "About " + title + " ...",
        title,
        std::string("Tandrel Software") + ", " + "November 2002",
        "Written in C++ for the Win32 API",
        "Copyright \xA9 Tandrel Software 2002-" + std::to_string(year),
        "Comments and suggestions :",
        "Visit our web page :",
        "mail@tandrel.example",
        "http://tandrel.example/",
    };
}

}  // namespace halvorn
