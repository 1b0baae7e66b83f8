// Checks of the shipped element database text for the slips a hand-edited table invites:
// shifted columns, wrong units, malformed numbers, codes out of range. The text is split
// here without the program's parser, so a fault in the data cannot hide behind one in it.

#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "elements/Element_Database_Text.h"

namespace halvorn {
namespace {

// Columns, 0-based (column n of the text is index n - 1).
enum Column : int {
    Name, Symbol, Number, Weight, Radius, Volume, Boiling, Melting, Density, Covalent, Negativity,
    Vaporization, Fusion, Electrical, Thermal, Specific_Heat, Ionization, Synthetic, Crystal, Acid_Base,
    Configuration, Oxidation, Metal, State, Group, Discoverer, Year, Details, Column_Count
};
constexpr int Element_Count = 118;
constexpr double Zero_Celsius = 273.15;
const std::string No_Value = "--";

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// Every line split at TAB; index 0 is the header, index n element n.
const std::vector<std::vector<std::string>>& Rows()
{
    static const std::vector<std::vector<std::string>> rows = [] {
        std::vector<std::vector<std::string>> result;
        std::istringstream text{std::string(Element_Database_Text())};
        for (std::string line; std::getline(text, line);) result.push_back(Split(line, '\t'));
        return result;
    }();
    return rows;
}

const std::string& Field(int n, Column column) { return Rows().at(static_cast<std::size_t>(n)).at(column); }
std::string Symbol_Of(int n) { return Field(n, Symbol); }

// Numbers in the three stored forms: plain, with an exponent, or mantissa "x10e" exponent.
std::optional<double> Number_Of(const std::string& field)
{
    static const std::regex form(R"(-?\d+(\.\d+)?((E[-+]?|x10e-?)\d+)?)");
    if (!std::regex_match(field, form)) return std::nullopt;
    std::string text = field;
    if (const auto at = text.find("x10e"); at != std::string::npos) text.replace(at, 4, "e");
    return std::stod(text);
}

std::optional<double> Value(int n, Column column)
{
    const std::string& field = Field(n, column);
    return field == No_Value ? std::nullopt : Number_Of(field);
}

class Element_Data : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(Rows().size(), Element_Count + 1u) << "header and 118 element rows";
        for (const auto& row : Rows()) ASSERT_EQ(row.size(), Column_Count + 1u) << row[0] << ": 28 fields, a TAB after each";
    }
};

// What each row must hold on its own and against the other rows: a shifted column or a
// swapped row breaks one of these.
TEST_F(Element_Data, EveryRowHoldsTheInvariants)
{
    const std::set<int> may_be_empty = {Radius, Volume, Boiling, Melting, Density, Covalent, Negativity, Vaporization,
                                        Fusion, Electrical, Thermal, Specific_Heat, Ionization, Crystal, Oxidation,
                                        Discoverer, Year};
    const std::set<std::string> antiquity = {"C", "S", "Fe", "Cu", "Ag", "Sn", "Pt", "Au", "Hg", "Pb"};
    static const std::regex name(R"([A-Z][a-z]+)"), symbol(R"([A-Z][a-z]?)"), integer(R"(-?\d+)");
    static const std::regex oxidation(R"((\+/-)?-?\d( ?, ?(\+/-)?-?\d)*)");
    std::set<std::string> names, symbols;
    for (int n = 1; n <= Element_Count; ++n) {
        const std::string& element = Field(n, Name);
        SCOPED_TRACE(element);
        EXPECT_TRUE(std::regex_match(element, name) && std::regex_match(Symbol_Of(n), symbol));
        EXPECT_TRUE(names.insert(element).second && symbols.insert(Symbol_Of(n)).second);
        EXPECT_EQ(Field(n, Number), std::to_string(n));
        const double weight = Value(n, Weight).value_or(0);
        EXPECT_TRUE(weight >= n && weight <= 2.7 * n) << weight;

        for (int c = 0; c < Column_Count; ++c) {
            const std::string& field = Field(n, Column(c));
            SCOPED_TRACE("column " + std::to_string(c + 1) + ": " + field);
            if (field == No_Value) {
                EXPECT_TRUE(may_be_empty.count(c));
                continue;
            }
            // The program replaces "--" and "x10e" on the whole line before it splits it.
            EXPECT_EQ(field.find("--"), std::string::npos);
            if (c >= Weight && c <= Ionization) EXPECT_TRUE(Number_Of(field));
            else EXPECT_EQ(field.find("x10e"), std::string::npos);
            const bool integral = c == Number || (c >= Synthetic && c <= Acid_Base) || (c >= Metal && c <= Group) || c == Year;
            EXPECT_TRUE(!integral || std::regex_match(field, integer));
        }
        EXPECT_TRUE(Field(n, Oxidation) == No_Value || std::regex_match(Field(n, Oxidation), oxidation));
        // Acid/base code 5 names no character; "Unknown" state, type and group go together,
        // for the elements whose chemistry is unconfirmed.
        const auto code = [n](Column column) { return Value(n, column).value_or(-1); };
        EXPECT_NE(code(Acid_Base), 5);
        EXPECT_EQ((std::vector<bool>{code(State) == 4, code(Metal) == 4, code(Group) == 9}),
                  std::vector<bool>(3, n >= 110));

        // Known since antiquity (-1000): exactly these ten, with no discoverer; nickel's -235
        // stands for its early use in alloys.
        const auto year = Value(n, Year);
        EXPECT_EQ(year == -1000, antiquity.count(Symbol_Of(n)) > 0);
        EXPECT_EQ(Field(n, Discoverer) == No_Value, !year || *year == -1000);
        EXPECT_TRUE(!year || *year == -1000 || n == 28 || (*year >= 1200 && *year <= 2010)) << *year;

        // The facts are one clean paragraph (europium's are empty).
        const std::string& facts = Field(n, Details);
        if (n == 63) continue;
        EXPECT_TRUE(facts.size() >= 40 && facts.size() <= 600 && facts.back() == '.');
        EXPECT_EQ(facts.find("  "), std::string::npos);
        // No configuration from rutherfordium on has been measured.
        EXPECT_TRUE(n < 104 || facts.find("predict") != std::string::npos);
    }
}

// Catches swapped columns and wrong units: each value within its column's bounds, and
// temperatures, state, density and volume agreeing with one another.
TEST_F(Element_Data, ColumnsWithinBoundsAndAgreeingWithOneAnother)
{
    const struct { Column Of; double Low, High; } bounds[] = {
        {Radius, 0.2, 3.5},        {Volume, 3.0, 75.0},          {Boiling, 4.0, 6000.0},
        {Melting, 0.9, 4200.0},    {Density, 5e-5, 23.0},        {Covalent, 0.2, 3.5},
        {Negativity, 0.7, 4.0},    {Vaporization, 0.05, 1000.0}, {Fusion, 0.01, 70.0},
        {Electrical, 1e-25, 70.0}, {Thermal, 0.003, 450.0},      {Specific_Heat, 0.09, 15.0},
        {Ionization, 3.0, 25.0},   {Synthetic, 0, 1},            {Crystal, 1, 8},
        {Acid_Base, 1, 10},        {Metal, 1, 4},                {State, 1, 4},
        {Group, 0, 9},
    };
    int volumes = 0;
    for (int n = 1; n <= Element_Count; ++n) {
        SCOPED_TRACE(Symbol_Of(n));
        for (const auto& b : bounds)
            EXPECT_TRUE(!Value(n, b.Of) || (*Value(n, b.Of) >= b.Low && *Value(n, b.Of) <= b.High)) << Value(n, b.Of).value_or(0) << ", column " << b.Of + 1;
        const auto melting = Value(n, Melting), boiling = Value(n, Boiling), density = Value(n, Density);
        EXPECT_TRUE(!melting || !boiling || *melting < *boiling);
        // State at 0 degrees C: gas 1, liquid 2, solid 3.
        const int state = static_cast<int>(*Value(n, State));
        ASSERT_TRUE(state != 1 || (density && boiling));
        if (state >= 1 && state <= 3) {
            EXPECT_TRUE(state == 1 ? *density < 0.01 : density.value_or(1) > 0.5) << "gas densities are in g/mL";
            EXPECT_EQ(boiling.value_or(Zero_Celsius + 1) < Zero_Celsius, state == 1);
            EXPECT_TRUE(!melting || state == 1 || (*melting < Zero_Celsius) == (state == 2));
        }
        // A condensed element's atomic volume is its molar mass over its density.
        if (const auto volume = Value(n, Volume); volume && density && state != 1) {
            EXPECT_NEAR(*Value(n, Weight) / *density, *volume, 0.03 * *volume);
            ++volumes;
        }
    }
    EXPECT_GT(volumes, 80);
}

}  // namespace
}  // namespace halvorn
