#include "report/Report_Number_Format.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "elements/Element_Record.h"

namespace halvorn {

namespace {

// Unsigned integers of any size, in 32-bit limbs, least significant first.
class Big_Unsigned {
public:
    explicit Big_Unsigned(std::uint64_t value = 0)
    {
        for (; value; value >>= 32) limbs_.push_back(static_cast<std::uint32_t>(value));
    }

    bool Is_Zero() const { return limbs_.empty(); }

    int Bit_Length() const
    {
        if (limbs_.empty()) return 0;
        int bits = 32 * static_cast<int>(limbs_.size() - 1);
        for (std::uint32_t top = limbs_.back(); top; top >>= 1) ++bits;
        return bits;
    }

    bool Bit(int index) const
    {
        const auto limb = static_cast<std::size_t>(index / 32);
        return limb < limbs_.size() && ((limbs_[limb] >> (index % 32)) & 1u);
    }

    // Any bit below index set?
    bool Any_Bit_Below(int index) const
    {
        for (int i = 0; i < index; ++i)
            if (Bit(i)) return true;
        return false;
    }

    void Shift_Left(int bits)
    {
        if (bits <= 0 || limbs_.empty()) return;
        limbs_.insert(limbs_.begin(), static_cast<std::size_t>(bits / 32), 0u);
        if (const int rest = bits % 32) {
            std::uint32_t carry = 0;
            for (std::uint32_t& limb : limbs_) {
                const std::uint32_t next = limb >> (32 - rest);
                limb = (limb << rest) | carry;
                carry = next;
            }
            if (carry) limbs_.push_back(carry);
        }
    }

    // The bits from index upward, as a 64-bit number (at most 64 of them are wanted).
    std::uint64_t Bits_From(int index) const
    {
        std::uint64_t value = 0;
        for (int i = Bit_Length() - 1; i >= index; --i) value = (value << 1) | (Bit(i) ? 1u : 0u);
        return value;
    }

    void Multiply(std::uint32_t factor)
    {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = static_cast<std::uint64_t>(limb) * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry) limbs_.push_back(static_cast<std::uint32_t>(carry));
    }

    static int Compare(const Big_Unsigned& a, const Big_Unsigned& b)
    {
        if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
        for (std::size_t i = a.limbs_.size(); i-- > 0;)
            if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
        return 0;
    }

    void Add(const Big_Unsigned& other)
    {
        if (other.limbs_.size() > limbs_.size()) limbs_.resize(other.limbs_.size(), 0u);
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            const std::uint64_t sum = std::uint64_t{limbs_[i]} + (i < other.limbs_.size() ? other.limbs_[i] : 0u) + carry;
            limbs_[i] = static_cast<std::uint32_t>(sum);
            carry = sum >> 32;
        }
        if (carry) limbs_.push_back(static_cast<std::uint32_t>(carry));
    }

    // this -= smaller
    void Subtract(const Big_Unsigned& smaller)
    {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            std::int64_t difference = static_cast<std::int64_t>(limbs_[i]) - borrow -
                                      (i < smaller.limbs_.size() ? smaller.limbs_[i] : 0);
            borrow = difference < 0;
            if (borrow) difference += std::int64_t{1} << 32;
            limbs_[i] = static_cast<std::uint32_t>(difference);
        }
        while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
    }

    std::string Decimal() const
    {
        if (limbs_.empty()) return "0";
        std::vector<std::uint32_t> work(limbs_);
        std::string digits;
        while (!work.empty()) {
            std::uint64_t remainder = 0;
            for (std::size_t i = work.size(); i-- > 0;) {
                const std::uint64_t current = (remainder << 32) | work[i];
                work[i] = static_cast<std::uint32_t>(current / 1000000000u);
                remainder = current % 1000000000u;
            }
            while (!work.empty() && work.back() == 0) work.pop_back();
            for (int d = 0; d < 9; ++d, remainder /= 10) digits += static_cast<char>('0' + remainder % 10);
        }
        while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
        std::reverse(digits.begin(), digits.end());
        return digits;
    }

private:
    std::vector<std::uint32_t> limbs_;
};

// The exact decimal digits of a binary value and where its decimal point stands: the
// value is 0.Digits x 10^Point. No leading or trailing zeros; zero has no digits.
struct Decimal_Digits {
    std::string Digits;
    int Point = 0;
};

Decimal_Digits Exact_Decimal(const Binary_Value& value)
{
    Big_Unsigned number(value.Mantissa);
    int scale = 0;  // the value is number x 10^scale
    if (value.Exponent >= 0) {
        number.Shift_Left(value.Exponent);
    } else {
        // m / 2^k = m x 5^k / 10^k
        int fives = -value.Exponent;
        for (; fives >= 13; fives -= 13) number.Multiply(1220703125u);  // 5^13
        for (; fives > 0; --fives) number.Multiply(5);
        scale = value.Exponent;
    }
    Decimal_Digits result;
    if (number.Is_Zero()) return result;
    result.Digits = number.Decimal();
    result.Point = static_cast<int>(result.Digits.size()) + scale;
    while (!result.Digits.empty() && result.Digits.back() == '0') result.Digits.pop_back();
    return result;
}

// Rounds the digits up by one unit in their last place; true when that carried out of
// the first digit (the point moves right).
bool Increment(std::string& digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

// Keeps the first count digits, rounding half up on what is dropped.
void Round_To(Decimal_Digits& number, int count)
{
    if (count < 0) {
        number.Digits.clear();
        return;
    }
    if (static_cast<int>(number.Digits.size()) <= count) return;
    const bool up = number.Digits[static_cast<std::size_t>(count)] >= '5';
    number.Digits.resize(static_cast<std::size_t>(count));
    if (up && Increment(number.Digits)) ++number.Point;
    while (!number.Digits.empty() && number.Digits.back() == '0') number.Digits.pop_back();
}

constexpr int Significant_Digits = 18;

}  // namespace

std::string Trim_Trailing_Char(std::string text, char character)
{
    while (text.size() > 1 && text.back() == character) text.pop_back();
    return text;
}

Binary_Value Binary_Of(double value)
{
    Binary_Value binary;
    binary.Negative = std::signbit(value);
    if (value == 0 || !std::isfinite(value)) return binary;
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);  // [0.5, 1)
    binary.Mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    binary.Exponent = exponent - 53;
    return binary;
}

Binary_Value Extended_Minus_273_15(double kelvin)
{
    // 273.15 in the extended format: 0x8893333333333333 x 2^-55.
    constexpr std::uint64_t offset_mantissa = 0x8893333333333333u;
    constexpr int offset_exponent = -55;
    const Binary_Value value = Binary_Of(kelvin);

    // Both as integers in units of 2^low, then the exact difference.
    const int low = std::min(value.Exponent, offset_exponent);
    Big_Unsigned a(value.Mantissa), b(offset_mantissa);
    a.Shift_Left(value.Exponent - low);
    b.Shift_Left(offset_exponent - low);
    Binary_Value result;
    const bool kelvin_negative = value.Negative && value.Mantissa != 0;
    Big_Unsigned difference;
    if (kelvin_negative) {
        // -|k| - 273.15: the magnitudes add.
        difference = a;
        difference.Add(b);
        result.Negative = true;
    } else if (Big_Unsigned::Compare(a, b) >= 0) {
        difference = a;
        difference.Subtract(b);
    } else {
        difference = b;
        difference.Subtract(a);
        result.Negative = true;
    }
    if (difference.Is_Zero()) return Binary_Value{};

    // Round to 64 significant bits, ties to even.
    const int bits = difference.Bit_Length();
    int exponent = low;
    std::uint64_t mantissa = 0;
    if (bits <= 64) {
        mantissa = difference.Bits_From(0);
    } else {
        const int dropped = bits - 64;
        mantissa = difference.Bits_From(dropped);
        exponent += dropped;
        const bool half = difference.Bit(dropped - 1);
        const bool sticky = difference.Any_Bit_Below(dropped - 1);
        if (half && (sticky || (mantissa & 1u))) {
            if (++mantissa == 0) {
                mantissa = std::uint64_t{1} << 63;
                ++exponent;
            }
        }
    }
    result.Mantissa = mantissa;
    result.Exponent = exponent;
    return result;
}

std::string Format_Binary_Value(int decimals, const Binary_Value& value, const Number_Separators& separators)
{
    Decimal_Digits number = Exact_Decimal(value);
    Round_To(number, Significant_Digits);
    Round_To(number, number.Point + decimals);

    // Integer part with separators, then the decimals.
    std::string integer(static_cast<std::size_t>(std::max(number.Point, 1)), '0');
    for (int i = 0; i < number.Point && i < static_cast<int>(number.Digits.size()); ++i)
        integer[static_cast<std::size_t>(i)] = number.Digits[static_cast<std::size_t>(i)];
    std::string grouped;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) grouped += separators.Thousands;
        grouped += integer[i];
    }
    std::string text = (value.Negative && !number.Digits.empty() ? "-" : "") + grouped;
    if (decimals > 0) {
        text += separators.Decimal;
        for (int i = 0; i < decimals; ++i) {
            const int at = number.Point + i;
            text += at >= 0 && at < static_cast<int>(number.Digits.size()) ? number.Digits[static_cast<std::size_t>(at)] : '0';
        }
        text = Trim_Trailing_Char(Trim_Trailing_Char(text, '0'), separators.Decimal);
    }
    return text;
}

std::string Format_Report_Number(int decimals, double value, const Number_Separators& separators)
{
    if (value == Missing_Double) return "Unknown";
    return Format_Binary_Value(decimals, Binary_Of(value), separators);
}

std::string Format_Report_Value(int decimals, double value, const Number_Separators& separators)
{
    std::string text = Format_Report_Number(decimals, value, separators);
    if (text != "0" || value == 0 || !std::isfinite(value)) return text;
    // The value is below one unit of the last decimal: as many decimals as bring in
    // three significant digits.
    const Binary_Value binary = Binary_Of(value);
    return Format_Binary_Value(3 - Exact_Decimal(binary).Point, binary, separators);
}

std::string Format_Report_Celsius(int decimals, double kelvin, const Number_Separators& separators)
{
    if (kelvin == Missing_Double) return "Unknown";
    return Format_Binary_Value(decimals, Extended_Minus_273_15(kelvin), separators);
}

}  // namespace halvorn
