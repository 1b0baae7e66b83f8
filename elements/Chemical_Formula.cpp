#include "elements/Chemical_Formula.h"

#include <algorithm>
#include <charconv>

namespace halvorn {

namespace {

// Far beyond any real formula, and small enough that no sum of products overflows.
constexpr std::int64_t Largest_Count = 1'000'000;
constexpr std::int64_t Largest_Total = 1'000'000'000'000;

bool Is_Digit(char c) { return c >= '0' && c <= '9'; }
bool Is_Upper(char c) { return c >= 'A' && c <= 'Z'; }
bool Is_Lower(char c) { return c >= 'a' && c <= 'z'; }
bool Is_Sign(char c) { return c == '+' || c == '-'; }
bool Is_Blank(char c) { return c == ' ' || c == '\t'; }
// The middle dot and the bullet of Windows-1252, the asterisk and the full stop.
bool Is_Joiner(char c) { return c == '\xB7' || c == '\x95' || c == '*' || c == '.'; }

struct Fault_Raised {
    Formula_Fault Fault;
};

[[noreturn]] void Raise(std::string message, std::size_t index, std::size_t length = 1)
{
    throw Fault_Raised{{message + " at character " + std::to_string(index + 1), static_cast<int>(index + 1),
                        static_cast<int>(length)}};
}

// Where the formula ends once blanks and a trailing charge are left off: "SO4^2-",
// "SO4 2-", "Fe+3" and "NH4+" end before their charge. Digits joined straight to the
// symbol before a sign are a count, as in "NH4+".
std::size_t End_Before_Charge(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && Is_Blank(text[end - 1])) --end;
    std::size_t digits = end;
    while (digits > 0 && Is_Digit(text[digits - 1])) --digits;
    if (digits < end && digits > 0 && Is_Sign(text[digits - 1])) {
        end = digits;  // "+3"
    } else if (end > 0 && Is_Sign(text[end - 1])) {
        std::size_t signs = end;
        while (signs > 0 && Is_Sign(text[signs - 1])) --signs;
        end = signs;
        std::size_t before = signs;
        while (before > 0 && Is_Digit(text[before - 1])) --before;
        if (before > 0 && (text[before - 1] == '^' || Is_Blank(text[before - 1]))) end = before;
    } else {
        return end;
    }
    if (end > 0 && text[end - 1] == '^') --end;
    while (end > 0 && Is_Blank(text[end - 1])) --end;
    return end;
}

class Formula_Reader {
public:
    Formula_Reader(std::string_view text, const Element_Array& elements)
        : text_(text.substr(0, End_Before_Charge(text))), elements_(elements) {}

    std::vector<Element_Count> Read()
    {
        Skip_Blanks();
        if (at_ == text_.size())
            throw Fault_Raised{{"Enter a formula, such as CuSO4\xB7" "5H2O", 0, 0}};
        std::vector<Element_Count> total;
        for (;;) {
            const std::size_t start = at_;
            const std::int64_t times = Count_Or(1);
            std::vector<Element_Count> part = Sequence(0, 0);
            if (part.empty()) Raise("Nothing to count", std::min(start, text_.size() - 1));
            Add(total, part, times, start);
            if (at_ == text_.size()) return total;
            ++at_;  // a joiner: Sequence stops only at one or at the end
            Skip_Blanks();
            if (at_ == text_.size()) Raise("Nothing to count", at_ - 1);
        }
    }

private:
    void Skip_Blanks()
    {
        while (at_ < text_.size() && Is_Blank(text_[at_])) ++at_;
    }

    // The count at the reading place, or otherwise when there is none.
    std::int64_t Count_Or(std::int64_t otherwise)
    {
        const std::size_t start = at_;
        std::int64_t count = 0;
        while (at_ < text_.size() && Is_Digit(text_[at_])) {
            count = count * 10 + (text_[at_] - '0');
            ++at_;
            if (count > Largest_Count) Raise("Count too large", start, at_ - start);
        }
        if (at_ == start) return otherwise;
        if (count == 0) Raise("Count of zero", start, at_ - start);
        return count;
    }

    void Add(std::vector<Element_Count>& into, const std::vector<Element_Count>& counts, std::int64_t times,
             std::size_t where)
    {
        for (const Element_Count& count : counts) {
            auto found = std::find_if(into.begin(), into.end(),
                                      [&](const Element_Count& c) { return c.Element == count.Element; });
            if (found == into.end()) found = into.insert(into.end(), {count.Element, 0});
            found->Count += count.Count * times;
            if (found->Count > Largest_Total) Raise("Count too large", where, at_ - where);
        }
    }

    int Element_Of(std::string_view symbol, std::size_t where) const
    {
        for (int number = 1; number <= Element_Capacity; ++number) {
            if (elements_[number].Element_Abbreviation != symbol) continue;
            if (elements_[number].Atomic_Weight == Missing_Double || !(elements_[number].Atomic_Weight > 0))
                Raise("No atomic weight for '" + std::string(symbol) + "'", where, symbol.size());
            return number;
        }
        Raise("Unknown element '" + std::string(symbol) + "'", where, symbol.size());
    }

    // Symbols and groups up to the closer of the group opened at opened (0 for none), a
    // joiner or the end.
    std::vector<Element_Count> Sequence(char closer, std::size_t opened)
    {
        std::vector<Element_Count> counts;
        for (Skip_Blanks(); at_ < text_.size(); Skip_Blanks()) {
            const char c = text_[at_];
            const std::size_t start = at_;
            if (Is_Upper(c)) {
                ++at_;
                while (at_ < text_.size() && Is_Lower(text_[at_])) ++at_;
                const int element = Element_Of(text_.substr(start, at_ - start), start);
                Add(counts, {{element, 1}}, Count_Or(1), start);
            } else if (c == '(' || c == '[') {
                ++at_;
                const char close = c == '(' ? ')' : ']';
                std::vector<Element_Count> inner = Sequence(close, start);
                if (at_ == text_.size())
                    Raise(std::string("Unclosed ") + (c == '(' ? "parenthesis" : "bracket") + " opened", start);
                if (inner.empty()) Raise("Nothing to count", start, at_ - start + 1);
                ++at_;
                Add(counts, inner, Count_Or(1), start);
            } else if (c == ')' || c == ']') {
                if (c == closer) return counts;
                if (closer == 0) Raise(std::string("Unmatched closing ") + (c == ')' ? "parenthesis" : "bracket"), start);
                Raise(std::string("Unclosed ") + (closer == ')' ? "parenthesis" : "bracket") + " opened", opened);
            } else if (Is_Joiner(c) && closer == 0) {
                return counts;
            } else {
                Raise(std::string("Unexpected character '") + c + "'", start);
            }
        }
        return counts;
    }

    std::string_view text_;
    const Element_Array& elements_;
    std::size_t at_ = 0;
};

// Decimals of the shortest text that reads back as the weight: 63.546 has three.
int Weight_Decimals(double weight)
{
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, weight, std::chars_format::fixed);
    const std::string_view shown(text, static_cast<std::size_t>(written.ptr - text));
    const auto point = shown.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(shown.size() - point - 1);
}

std::string Fixed(double value, int decimals)
{
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, written.ptr);
}

std::string Right(std::string text, std::size_t width)
{
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string Left(std::string text, std::size_t width)
{
    return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
}

}  // namespace

Formula_Reading Read_Formula(std::string_view formula, const Element_Array& elements)
{
    Formula_Reading reading;
    try {
        reading.Counts = Formula_Reader(formula, elements).Read();
    } catch (const Fault_Raised& raised) {
        reading.Fault = raised.Fault;
    }
    return reading;
}

Molar_Mass Molar_Mass_Of(const std::vector<Element_Count>& counts, const Element_Array& elements)
{
    Molar_Mass mass;
    mass.Decimals = 6;
    for (const Element_Count& count : counts) {
        const double weight = elements[count.Element].Atomic_Weight;
        const double part = static_cast<double>(count.Count) * weight;
        mass.Lines.push_back({count.Element, count.Count, part, 0});
        mass.Total += part;
        mass.Decimals = std::min(mass.Decimals, Weight_Decimals(weight));
    }
    if (counts.empty()) mass.Decimals = 0;
    for (Molar_Mass_Line& line : mass.Lines) line.Percent = mass.Total > 0 ? line.Mass / mass.Total * 100 : 0;
    return mass;
}

std::string Molar_Mass_Text(std::string_view formula, const Molar_Mass& mass, const Element_Array& elements)
{
    std::string text = "Formula    : " + std::string(formula) + "\r\n";
    text += "Molar mass : " + Fixed(mass.Total, mass.Decimals) + " g/mol\r\n\r\n";
    text += "Element                Count  Mass (g/mol)  Mass %\r\n";
    for (const Molar_Mass_Line& line : mass.Lines) {
        const Element_Record& element = elements[line.Element];
        text += Left(Left(element.Element_Abbreviation, 4) + element.Element_Name, 20) +
                Right(std::to_string(line.Count), 8) + Right(Fixed(line.Mass, mass.Decimals), 14) +
                Right(Fixed(line.Percent, 2), 8) + "\r\n";
    }
    return text;
}

}  // namespace halvorn
