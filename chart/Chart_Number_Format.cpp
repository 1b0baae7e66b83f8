#include "chart/Chart_Number_Format.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace halvorn {

namespace {

struct Number_Picture {
    bool Grouping = false;
    int Integer_Digits = 0;   // shown even when zero
    int Min_Decimals = 0;
    int Max_Decimals = 0;
};

std::optional<Number_Picture> Read_Picture(std::string_view format)
{
    const std::size_t point = format.find('.');
    const std::string_view integer = format.substr(0, point);
    const std::string_view decimals = point == std::string_view::npos ? std::string_view{} : format.substr(point + 1);
    if (integer.empty() && decimals.empty()) return std::nullopt;
    if (!integer.empty() && integer.back() == ',') return std::nullopt;  // a scaling comma: not ours

    Number_Picture picture;
    for (const char c : integer) {
        if (c == ',') {
            picture.Grouping = true;
        } else if (c == '0') {
            ++picture.Integer_Digits;
        } else if (c != '#' || picture.Integer_Digits > 0) {
            return std::nullopt;  // "0#" and foreign characters
        }
    }
    for (const char c : decimals) {
        if (c == '0') {
            if (picture.Max_Decimals > picture.Min_Decimals) return std::nullopt;  // "#0"
            ++picture.Min_Decimals;
        } else if (c != '#') {
            return std::nullopt;
        }
        ++picture.Max_Decimals;
    }
    return picture;
}

// |value| = 0.Digits x 10^Point, Digits the shortest that reads back as the value.
struct Decimal_Form {
    std::string Digits;
    int Point = 0;
};

Decimal_Form Shortest_Decimal(double magnitude)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t e = text.find('e');
    Decimal_Form form;
    for (const char c : text.substr(0, e))
        if (c != '.') form.Digits += c;
    int exponent = 0;
    std::string_view exponent_text = text.substr(e + 1);
    if (!exponent_text.empty() && exponent_text.front() == '+') exponent_text.remove_prefix(1);
    std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);
    form.Point = exponent + 1;
    if (form.Digits == "0") form.Digits.clear();
    return form;
}

// Keeps the digits down to the given number of decimals, rounding half away from zero.
void Round_To_Decimals(Decimal_Form& form, int decimals)
{
    const long long keep = static_cast<long long>(form.Point) + decimals;
    if (keep < 0) {
        form.Digits.clear();
        return;
    }
    if (keep >= static_cast<long long>(form.Digits.size())) return;
    const bool up = form.Digits[static_cast<std::size_t>(keep)] >= '5';
    form.Digits.resize(static_cast<std::size_t>(keep));
    if (!up) return;
    std::size_t i = form.Digits.size();
    for (; i > 0 && form.Digits[i - 1] == '9'; --i) form.Digits[i - 1] = '0';
    if (i > 0) {
        ++form.Digits[i - 1];
    } else {
        form.Digits.insert(form.Digits.begin(), '1');
        ++form.Point;
    }
}

}  // namespace

std::string Format_Chart_Number(double value, std::string_view format, Chart_Separators separators)
{
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    const Number_Picture picture = Read_Picture(format).value_or(*Read_Picture("#,##0.###"));

    Decimal_Form form = Shortest_Decimal(std::fabs(value));
    Round_To_Decimals(form, picture.Max_Decimals);
    const auto digit_at = [&form](long long index) {
        const bool stored = index >= 0 && index < static_cast<long long>(form.Digits.size());
        return stored ? form.Digits[static_cast<std::size_t>(index)] : '0';
    };

    std::string integer;
    for (long long i = 0; i < form.Point; ++i) integer += digit_at(i);
    if (static_cast<int>(integer.size()) < picture.Integer_Digits)
        integer.insert(0, static_cast<std::size_t>(picture.Integer_Digits) - integer.size(), '0');

    std::string fraction;
    for (int i = 0; i < picture.Max_Decimals; ++i) fraction += digit_at(static_cast<long long>(form.Point) + i);
    while (static_cast<int>(fraction.size()) > picture.Min_Decimals && fraction.back() == '0') fraction.pop_back();

    std::string text;
    if (value < 0 && form.Digits.find_first_not_of('0') != std::string::npos) text += '-';
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (picture.Grouping && i > 0 && (integer.size() - i) % 3 == 0) text += separators.Thousands;
        text += integer[i];
    }
    if (!fraction.empty()) text += separators.Decimal + fraction;
    return text.empty() ? "0" : text;
}

}  // namespace halvorn
