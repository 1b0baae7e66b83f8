#include "winint/Registry_Access.h"

#include <utility>

namespace halvorn {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; 0 where the code page leaves the byte to the C1
// control of the same number.
constexpr char16_t High_Controls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char Windows_1252_Byte(wchar_t unit)
{
    const auto code = static_cast<unsigned>(unit);
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    for (unsigned i = 0; i < 32; ++i) {
        if (High_Controls[i] == code) return static_cast<char>(0x80 + i);
        if (High_Controls[i] == 0 && code == 0x80 + i) return static_cast<char>(code);
    }
    return '?';
}

}  // namespace

std::string To_Windows_1252(std::wstring_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto unit = static_cast<unsigned>(text[i]);
        // A surrogate pair is one character, and one "?".
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && static_cast<unsigned>(text[i + 1]) >= 0xDC00 &&
            static_cast<unsigned>(text[i + 1]) <= 0xDFFF)
            ++i;
        result += Windows_1252_Byte(text[i]);
    }
    return result;
}

Registry_Error::Registry_Error(std::wstring text) : std::runtime_error(To_Windows_1252(text)), text_(std::move(text))
{
}

Registry_Error Failed_To_Set_Data(std::wstring_view value_name)
{
    return Registry_Error(L"Failed to set data for '" + std::wstring(value_name) + L"'");
}

Registry_Error Invalid_Data_Type(std::wstring_view value_name)
{
    return Registry_Error(L"Invalid data type for '" + std::wstring(value_name) + L"'");
}

}  // namespace halvorn
