// The program's title and the fixed texts about the program and its maker.
#pragma once

#include <string>
#include <string_view>

namespace halvorn {

inline constexpr std::string_view Program_Title = "Halvorn v2.0b";

// The question before the settings go back to the factory's.
inline constexpr std::string_view Factory_Reset_Question =
    "All settings will return to the way they were when Halvorn was first installed:\r\n"
    "window position and size, options, the chosen graph and the group colours.\r\n"
    "Your own colours and window positions will be lost.\r\n"
    "\r\n"
    "Do you want to restore the factory defaults ?";

struct Program_Texts {
    std::string Application_Title;
    std::string Main_Caption;
    std::string About_Caption;
    std::string Product_Name;
    std::string Author_and_Date;
    std::string Developed_Using;
    std::string Copyright;  // ends in the given year
    std::string Comments;
    std::string Web_Page_Label;
    std::string Email_Address;
    std::string Web_Address;
};

Program_Texts Program_Texts_For_Year(int year);
// The year of the system date, in local time.
int Current_Year();

}  // namespace halvorn
