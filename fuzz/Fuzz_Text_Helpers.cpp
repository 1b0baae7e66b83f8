// Fuzz target: the text helpers and number parsers on arbitrary input. The first byte
// picks the helper (or the settings file's writer); the rest is split at the first two 0xFF bytes into its arguments.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/Ini_Text.h"
#include "app/Program_Settings.h"
#include "elements/Text_Helpers.h"

namespace {

std::string_view Take_Part(std::string_view& rest)
{
    const auto end = rest.find('\xFF');
    const std::string_view part = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return part;
}

void Check(bool condition)
{
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string_view a = Take_Part(rest), b = Take_Part(rest), c = rest;
    try {
        switch (data[0] % 5) {
        case 0: {
            // The replacements the program makes, on any text. (With patterns of one's
            // own choosing the rescanning rule can grow a text without end, as any
            // rewriting rule can; the program never uses such a pattern.)
            static constexpr std::string_view rules[][2] = {
                {"--", "-123456789"}, {"x10e", "e"}, {" ", ""}, {",", ", "}};
            const auto& rule = rules[b.size() % 4];
            const std::string result = halvorn::Replace_Text(a, rule[0], rule[1]);
            if (rule[1].find(rule[0]) == std::string_view::npos) Check(result.find(rule[0]) == std::string::npos);
            break;
        }
        case 1: {
            const std::string field = halvorn::Get_Field(static_cast<int>(b.size()), c.substr(0, 2), a);
            Check(field.size() <= a.size());
            break;
        }
        case 2:
            halvorn::Text_To_Double(a);
            break;
        case 3:
            for (const halvorn::Setting_Key& key : halvorn::Setting_Keys) {
                const std::int32_t value = halvorn::Parse_Setting_Value(key, a);
                Check(value == key.Default || (value >= key.Minimum && value <= key.Maximum));
            }
            break;
        case 4: {
            // Whatever a settings file holds, writing the settings into it twice gives what
            // writing them once gave.
            const halvorn::Ini_Values values{{"window_Width", std::string(b)}, {"Graph_Type_ComboBox", "3"}};
            const std::string once = halvorn::Set_Ini_Values(a, "Halvorn", values);
            if (b.find_first_of("\r\n") == std::string_view::npos)
                Check(halvorn::Set_Ini_Values(once, "Halvorn", values) == once);
            break;
        }
        }
    } catch (const halvorn::Conversion_Error&) {
    }
    return 0;
}
