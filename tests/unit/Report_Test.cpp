#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <random>

#include "elements/Element_Record.h"
#include "report/Element_Report.h"
#include "tests/shared/Built_Elements.h"
#include "winint/Program_Texts.h"

namespace halvorn {
namespace {

TEST(Report_Number, FormatsInKelvinAndCelsius)
{
    const struct { bool Celsius; int Decimals; double Value; const char* Text; } cases[] = {
        {false, 2, 4470, "4,470"}, {true, 2, 4470, "4,196.85"}, {true, 2, 0.95, "-272.2"},
        // 14.025 is stored as 14.02500000000000035527..., just above the half-way point.
        {false, 2, 14.025, "14.03"}, {true, 2, 14.025, "-259.13"}, {false, 0, 1000, "1,000"}, {true, 1, 300, "26.9"},
        {false, 4, 196.96655, "196.9666"}, {false, 2, 0.005, "0.01"}, {false, 2, 0.0049, "0"},
        {false, 2, 999.995, "1,000"}, {false, 2, 1234567.891, "1,234,567.89"}, {false, 0, -123456788, "-123,456,788"},
        {false, 2, -0.001, "0"}, {true, 2, 273.15, "0"}, {false, 2, -123456789, "Unknown"},
        {true, 2, -123456789, "Unknown"}, {false, 4, 1e20, "100,000,000,000,000,000,000"},
    };
    for (const auto& c : cases) {
        const std::string text = c.Celsius ? Format_Report_Celsius(c.Decimals, c.Value) : Format_Report_Number(c.Decimals, c.Value);
        EXPECT_EQ(text, c.Text) << (c.Celsius ? "C(" : "N(") << c.Decimals << ", " << c.Value << ")";
    }
}

TEST(Report_Number, StoredValuesThatWouldReadZeroKeepThreeSignificantDigits)
{
    const struct { int Decimals; double Value; const char* Text; } cases[] = {
        {2, 8.99e-05, "0.0000899"}, {2, 0.0049, "0.0049"}, {2, -0.001, "-0.001"}, {3, 4.2e-4, "0.00042"},
        {2, 9.9996e-5, "0.0001"},   {2, 0.005, "0.01"},    {2, 0, "0"},          {2, -123456789, "Unknown"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format_Report_Value(c.Decimals, c.Value), c.Text) << c.Value;
}

// Where this compiler's long double is the 80-bit extended format, it must give exactly
// what the portable subtraction gives.
TEST(Report_Number, CelsiusSubtractionMatchesTheExtendedFormat)
{
    if (LDBL_MANT_DIG != 64) GTEST_SKIP() << "long double is not the extended format here";
    std::vector<double> kelvins = {0.95, 4.21, 14.025, 20.268, 300, 273.15, 0, 1e-300, 1e300, -5};
    std::mt19937_64 random(1766);
    std::uniform_real_distribution<double> kelvin(0.0, 6000.0);
    while (kelvins.size() < 20000) kelvins.push_back(kelvin(random));
    for (const double k : kelvins) {
        const Binary_Value ours = Extended_Minus_273_15(k);
        const long double got = (ours.Negative ? -1.0L : 1.0L) * std::ldexp(static_cast<long double>(ours.Mantissa), ours.Exponent);
        ASSERT_EQ(got, static_cast<long double>(k) - 273.15L) << "kelvin " << k;
    }
}

// The property lines of every report: each label, then the element's value.
const char* const Property_Labels[] = {
    "              Abbreviation  : ", "              Atomic Number : ",
    "              Element Group : ", "               Element Type : ",
    "              Atomic Weight : ", "              Atomic Volume : ",
    "              Atomic Radius : ", "  Bonding (Covalent) Radius : ",
    "              Melting Point : ", "          Boiling Point (K) : ",
    "     State (at 0 Degrees C) : ", "                    Density : ",
    "        Electron Negativity : ", "       Heat of Vaporization : ",
    "             Heat of Fusion : ", "    Electrical Conductivity : ",
    "      Thermal Conductivity  : ", "     Specific Heat Capacity : ",
    " First Ionization Potential : ", "    Acid or Base Properties : ",
    "          Crystal Structure : ", "     Electron Configuration : ",
    "           Oxidation States : ", "                  Synthetic : ",
    "              Discovered by : ", "            Discovered Year : ",
};

class Element_Report_Text : public ::testing::Test {
protected:

    static Report_Document Report_Of(int number, const Number_Separators& separators = {})
    {
        const Program_Texts about = Program_Texts_For_Year(2002);
        return Build_Element_Report(elements_[number], {about.Product_Name, about.Author_and_Date, about.Web_Address},
                                    separators);
    }
    static std::vector<std::string> Lines_Of(int number, const Number_Separators& separators = {})
    {
        std::vector<std::string> lines;
        for (const Report_Line& line : Report_Of(number, separators).Lines) lines.push_back(line.Text);
        return lines;
    }
    // The whole text: title, blank, each label with its value, blank, the facts, then the footer.
    static void Expect_Report(int number, const std::vector<std::string>& values, const std::string& facts)
    {
        const std::string divider(56, '~');
        std::vector<std::string> expected = {values[0], ""};
        for (std::size_t i = 1; i < values.size(); ++i) expected.push_back(Property_Labels[i - 1] + values[i]);
        expected.insert(expected.end(), {"", "Interesting Facts : ", facts, "", divider, "",
                                         "The above information is courtesy of : ", "Halvorn v2.0b",
                                         "by Tandrel Software, November 2002", "",
                                         "For this and other great software visit : ", "http://tandrel.example/", "",
                                         divider, "", "End of Report."});
        EXPECT_EQ(Lines_Of(number), expected) << "element " << number;
    }

    static inline const Element_Array& elements_ = test::Built_Elements();
};

TEST_F(Element_Report_Text, WholeReports)
{
    Expect_Report(26,
                  {"Iron", "Fe", "26", "Transition Metals", "Metal", "55.845", "7.09 (cm^3/mol)", "1.72 (A)",
                   "1.17 (A)", "1,811 (K), 1,537.85 (C)", "3,134 (K), 2,860.85 (C)", "Solid", "7.87 (g/mL)", "1.83",
                   "340 (kJ/mol)", "13.81 (kJ/mol)", "10.4", "80.2 (W/mK) (at 300 K, 26.9 C)",
                   "0.45 (J/gK) (at 300 K, 26.9 C)", "7.902", "Amphoteric (Acid and Base)", "Cubic (body centered)",
                   "[Ar] 3d6 4s2", "2, 3", "No", "Unknown", "-1000"},
                  "Iron is the most widely used of all metals, chiefly in the form of steel, and the fourth most "
                  "abundant element in the Earth's crust. The Earth's core is thought to consist mainly of iron and "
                  "nickel. In the blood, iron atoms in haemoglobin carry oxygen from the lungs to the rest of the "
                  "body.");
    Expect_Report(80,
                  {"Mercury", "Hg", "80", "Transition Metals", "Metal", "200.59", "14.8 (cm^3/mol)", "1.76 (A)",
                   "1.49 (A)", "234.32 (K), -38.83 (C)", "629.88 (K), 356.73 (C)", "Liquid", "13.55 (g/mL)", "2",
                   "59.11 (kJ/mol)", "2.29 (kJ/mol)", "1.04", "8.3 (W/mK) (at 300 K, 26.9 C)",
                   "0.14 (J/gK) (at 300 K, 26.9 C)", "10.438", "Mildly Basic", "Rhombohedral", "[Xe] 4f14 5d10 6s2",
                   "2, 1", "No", "Unknown", "-1000"},
                  "Mercury is the only metal that is liquid at room temperature, and it was known to the ancient "
                  "Chinese, Indians and Egyptians. It has been used in thermometers, barometers, fluorescent lamps "
                  "and dental fillings. Its vapour and many of its compounds are highly toxic.");
    Expect_Report(118,
                  {"Oganesson", "Og", "118", "Unknown", "Unknown", "294", "Unknown (cm^3/mol)", "Unknown (A)",
                   "Unknown (A)", "Unknown (K), Unknown (C)", "Unknown (K), Unknown (C)", "Unknown", "Unknown (g/mL)",
                   "Unknown", "Unknown (kJ/mol)", "Unknown (kJ/mol)", "Unknown", "Unknown (W/mK) (at 300 K, 26.9 C)",
                   "Unknown (J/gK) (at 300 K, 26.9 C)", "Unknown", "Unknown", "Unknown", "[Rn] 5f14 6d10 7s2 7p6",
                   "Unknown", "Yes",
                   "Yuri Oganessian's team at the Joint Institute for Nuclear Research, Dubna, with the Lawrence "
                   "Livermore National Laboratory",
                   "2002"},
                  "Oganesson was first made at Dubna, Russia, in 2002 by a Russian and American team that fused "
                  "californium and calcium nuclei; the discovery was announced in 2006 after more atoms had been seen. "
                  "It is named after the physicist Yuri Oganessian, the second element named after a living person. "
                  "It stands below radon, but calculations suggest that it is no noble gas and may even be a solid; "
                  "its electron configuration is predicted, and only a handful of atoms, each gone in about a "
                  "millisecond, have ever been detected.");
}

TEST_F(Element_Report_Text, LinesOfOtherElements)
{
    const struct { int Element; const char* Line; } cases[] = {
        {6, "           Oxidation States : +/-4, 2"},
        {1, "           Oxidation States : +/-1"},
        // Values below the line's last decimal keep three significant digits rather than read 0.
        {1, "                    Density : 0.0000899 (g/mL)"},
        {5, "    Electrical Conductivity : 0.000000000005"},
        {6, "                    Density : 2.27 (g/mL)"},
        {33, "              Discovered by : Albertus Magnus"},
        {33, "            Discovered Year : 1250"},
        // One element for each acid/base code in use.
        {7, "    Acid or Base Properties : Strongly Acidic"},
        {5, "    Acid or Base Properties : Mildly Acidic"},
        {54, "    Acid or Base Properties : Weakly Acidic"},
        {8, "    Acid or Base Properties : Neutral (pH = 7)"},
        {3, "    Acid or Base Properties : Strongly Basic"},
        {21, "    Acid or Base Properties : Weakly Basic"},
        {2, "    Acid or Base Properties : Unknown"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> lines = Lines_Of(c.Element);
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.Line), lines.end()) << "element " << c.Element << ": " << c.Line;
    }
    // The user's separators reach the numbers of the report.
    const std::vector<std::string> iron = Lines_Of(26, {'.', ','});
    EXPECT_EQ(iron[10], "              Melting Point : 1.811 (K), 1.537,85 (C)");
    EXPECT_EQ(iron[13], "                    Density : 7,87 (g/mL)");
    EXPECT_EQ(iron[18], "      Thermal Conductivity  : 80,2 (W/mK) (at 300 K, 26,9 C)");
}

// None of the stored values is zero, so no report may show one.
TEST_F(Element_Report_Text, NoElementShowsAValueAsZero)
{
    for (int n = 1; n <= Element_Capacity; ++n)
        for (const std::string& line : Lines_Of(n))
            EXPECT_TRUE(!line.ends_with(": 0") && line.find(": 0 (") == std::string::npos) << line;
}

TEST_F(Element_Report_Text, CaptionAndEachLinesFormat)
{
    const Report_Document iron = Report_Of(26);
    EXPECT_EQ(iron.Caption, "Iron Properties :");
    ASSERT_EQ(iron.Lines.size(), 44u);
    for (std::size_t i = 0; i < iron.Lines.size(); ++i) {
        // Title 22-point bold underlined; the footer centred from divider to divider, title and address bold.
        const bool title = i == 0;
        const bool centred = title || (i >= 32 && i <= 41);
        const bool bold = title || i == 35 || i == 39;
        const Line_Alignment alignment = centred ? Line_Alignment::Centre : Line_Alignment::Left;
        EXPECT_EQ(iron.Lines[i], (Report_Line{iron.Lines[i].Text, title ? 22 : 10, bold, title, alignment})) << i;
    }

    // An empty facts text keeps its heading; a missing one leaves the paragraph out.
    const std::vector<std::string> europium = Lines_Of(63);
    EXPECT_EQ(europium[29], "Interesting Facts : ");
    EXPECT_EQ(europium[30], "");
    Element_Record without = elements_[26];
    without.Interesting_Details = std::string(Missing_Text);
    const Report_Document missing = Build_Element_Report(without, {});
    EXPECT_EQ(missing.Lines.size(), 41u);
    EXPECT_EQ(missing.Lines[28].Text, "");
    EXPECT_EQ(missing.Lines[29].Text, std::string(56, '~'));
}

}  // namespace
}  // namespace halvorn
