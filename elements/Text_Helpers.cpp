#include "elements/Text_Helpers.h"

#include <charconv>
#include <limits>

namespace halvorn {

namespace {

std::string_view Trim_Blanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool Is_Digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void Replace_Text_In(std::string& text, std::string_view pattern, std::string_view replacement)
{
    if (text.empty() || pattern.empty()) return;

    // A pattern inside its own replacement would be found again for ever: replace each
    // occurrence of the original text once, left to right, and never look at what was
    // put in. (A placeholder round trip does the same until the pattern occurs in the
    // placeholder itself, and then it never ends.)
    if (replacement.find(pattern) != std::string_view::npos) {
        std::string result;
        std::size_t from = 0;
        for (auto at = text.find(pattern); at != std::string::npos; at = text.find(pattern, from)) {
            result.append(text, from, at - from).append(replacement);
            from = at + pattern.size();
        }
        text = result.append(text, from, std::string::npos);
        return;
    }

    // Each search starts again where a new occurrence could first begin: an occurrence
    // that began further left would have lain wholly in text already searched.
    for (auto at = text.find(pattern); at != std::string::npos;) {
        text.replace(at, pattern.size(), replacement);
        at = text.find(pattern, at >= pattern.size() - 1 ? at - (pattern.size() - 1) : 0);
    }
}

std::string Replace_Text(std::string_view source, std::string_view pattern,
                         std::string_view replacement)
{
    std::string result(source);
    Replace_Text_In(result, pattern, replacement);
    return result;
}

std::string Get_Field(int n, std::string_view separator, std::string_view text)
{
    if (n <= 0 || separator.empty() || text.empty()) return {};
    for (int i = 1; i < n; ++i) {
        const auto at = text.find(separator);
        if (at == std::string_view::npos) return {};
        text.remove_prefix(at + separator.size());
    }
    return std::string(text.substr(0, text.find(separator)));
}

std::int32_t Text_To_Integer(std::string_view text)
{
    const std::string_view body = Trim_Blanks(text);
    std::string_view digits = body;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    std::int64_t value = 0;
    bool valid = !digits.empty();
    for (char c : digits) {
        if (!Is_Digit(c) || value > std::numeric_limits<std::int32_t>::max() + std::int64_t{1}) {
            valid = false;
            break;
        }
        value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (!valid || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw Conversion_Error("'" + std::string(text) + "' is not a valid integer value");
    return static_cast<std::int32_t>(value);
}

double Text_To_Double(std::string_view text)
{
    const std::string_view body = Trim_Blanks(text);
    std::string_view number = body;
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    // Only the plain decimal form with an optional exponent: no "inf", "nan" or hex.
    std::size_t i = 0, mantissa_digits = 0;
    while (i < number.size() && Is_Digit(number[i])) ++i, ++mantissa_digits;
    if (i < number.size() && number[i] == '.') {
        ++i;
        while (i < number.size() && Is_Digit(number[i])) ++i, ++mantissa_digits;
    }
    bool valid = mantissa_digits > 0;
    if (valid && i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < number.size() && (number[j] == '+' || number[j] == '-')) ++j;
        const std::size_t exponent_start = j;
        while (j < number.size() && Is_Digit(number[j])) ++j;
        valid = j > exponent_start;
        i = j;
    }
    double value = 0;
    if (valid && i == number.size()) {
        const std::string_view plain = number.front() == '+' ? number.substr(1) : number;
        const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
        valid = error == std::errc() && end == plain.data() + plain.size();
    } else {
        valid = false;
    }
    if (!valid)
        throw Conversion_Error("'" + std::string(text) + "' is not a valid floating point value");
    return negative ? -value : value;
}

}  // namespace halvorn
