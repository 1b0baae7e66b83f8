// The About window's computed texts: the free-memory figure, the maker's quotes and the
// mail link.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace halvorn {

// The fields of the system's memory status that the free-memory figure reads; sizes in
// bytes.
struct Memory_Status {
    std::uint32_t Memory_Load = 0;  // percentage of memory in use
    std::uint64_t Total_Physical = 0;
    std::uint64_t Available_Physical = 0;
    std::uint64_t Total_Page_File = 0;
    std::uint64_t Available_Page_File = 0;
};

// "63%" for a memory load of 37; with no load reported, the share of physical memory and
// page file still available, rounded to a whole number.
std::string Free_Memory_Percent_Text(const Memory_Status& status);

// The quotes, one per line of the built-in text.
std::string_view Tandrel_Quotes_Text();
std::vector<std::string> Quote_Lines(std::string_view text);
std::vector<std::string> Tandrel_Quotes();

// The link that opens a new mail to address with the subject naming the executable.
std::wstring Mailto_Text(std::wstring_view address, std::wstring_view executable_file_name);

}  // namespace halvorn
