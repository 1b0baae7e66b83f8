#include "winint/Program_Texts.h"

#include <ctime>

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

int Current_Year()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local.tm_year + 1900;
}

}  // namespace halvorn
