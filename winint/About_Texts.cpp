#include "winint/About_Texts.h"

#include <cmath>

namespace halvorn {

std::string Free_Memory_Percent_Text(const Memory_Status& status)
{
    if (status.Memory_Load > 0) return std::to_string(100 - static_cast<std::int64_t>(status.Memory_Load)) + "%";

    // Physical sizes lose their odd bytes to the shift; page-file sizes keep them as a
    // fraction of a kilobyte.
    const double available = static_cast<double>(status.Available_Physical >> 10) +
                             static_cast<double>(status.Available_Page_File) / 1024.0;
    const double total = static_cast<double>(status.Total_Physical >> 10) +
                         static_cast<double>(status.Total_Page_File) / 1024.0;
    // A system that reports no memory at all has none free.
    if (total <= 0) return "0%";
    const double percent = available / total * 100.0;
    // Halves round away from zero, whatever the C library's printf would do.
    return std::to_string(static_cast<std::int64_t>(std::floor(percent + 0.5))) + "%";
}

std::vector<std::string> Quote_Lines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string> Tandrel_Quotes() { return Quote_Lines(Tandrel_Quotes_Text()); }

std::wstring Mailto_Text(std::wstring_view address, std::wstring_view executable_file_name)
{
    return L"mailto:" + std::wstring(address) + L"?subject=Shareware: " + std::wstring(executable_file_name);
}

}  // namespace halvorn
