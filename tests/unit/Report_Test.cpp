#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>

#include "elements/Element_Record.h"
#include "report/Element_Report.h"
#include "tests/shared/Report_Number_Cases.h"

namespace halvorn {
namespace {

TEST(Report_Number, FormatsTheTableOfCases)
{
    for (const test::Number_Case& c : test::Report_Number_Cases) {
        const std::string text = c.Celsius ? Format_Report_Celsius(c.Decimals, c.Value) : Format_Report_Number(c.Decimals, c.Value);
        EXPECT_EQ(text, c.Text) << (c.Celsius ? "C(" : "N(") << c.Decimals << ", " << c.Value << ")";
    }
}

TEST(Report_Number, TrimsTheDecimalSeparatorActuallyUsed)
{
    const Number_Separators european{'.', ','};
    EXPECT_EQ(Format_Report_Number(2, 660, european), "660");
    EXPECT_EQ(Format_Report_Celsius(2, 4470, european), "4.196,85");
    EXPECT_EQ(Format_Report_Number(2, 0.5, european), "0,5");
    const Number_Separators blank_thousands{' ', '.'};
    EXPECT_EQ(Format_Report_Number(0, 1234567, blank_thousands), "1 234 567");
    EXPECT_EQ(Trim_Trailing_Char("", '0'), "");
    EXPECT_EQ(Trim_Trailing_Char("0", '0'), "0");
    EXPECT_EQ(Trim_Trailing_Char("100", '0'), "1");
}

// Where this compiler's long double is the 80-bit extended format, it must give exactly
// what the portable subtraction gives.
TEST(Report_Number, CelsiusSubtractionMatchesTheExtendedFormat)
{
    if (LDBL_MANT_DIG != 64) GTEST_SKIP() << "long double is not the extended format here";
    std::mt19937_64 random(1766);
    std::uniform_real_distribution<double> kelvin(0.0, 6000.0);
    for (int i = 0; i < 20000; ++i) {
        const double k = i < 10 ? std::vector<double>{0.95, 4.21, 14.025, 20.268, 300, 273.15, 0, 1e-300, 1e300, -5}[static_cast<std::size_t>(i)]
                                : kelvin(random);
        const long double expected = static_cast<long double>(k) - 273.15L;
        const Binary_Value ours = Extended_Minus_273_15(k);
        const long double got = (ours.Negative ? -1.0L : 1.0L) * std::ldexp(static_cast<long double>(ours.Mantissa), ours.Exponent);
        ASSERT_EQ(got, expected) << "kelvin " << k;
    }
}

class Element_Report_Text : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Build_Element_Array(Element_Database_Text(), elements_, count_, nullptr); }

    static std::vector<std::string> Lines_Of(int number)
    {
        const Report_Document report = Build_Element_Report(elements_[number], Footer());
        std::vector<std::string> lines;
        for (const Report_Line& line : report.Lines) lines.push_back(line.Text);
        return lines;
    }
    static Report_Footer_Texts Footer() { return {"Halvorn v2.0b", "Tandrel Software, November 2002", "http://x.example/"}; }
    static bool Has(const std::vector<std::string>& lines, const std::string& line)
    {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    static inline Element_Array elements_;
    static inline std::int32_t count_ = 0;
};

TEST_F(Element_Report_Text, LinesCatchTheKnownPitfalls)
{
    const struct { int Element; const char* Line; } cases[] = {
        {6, "          Boiling Point (K) : 4,470 (K), 4,196.85 (C)"},
        {2, "                    Density : 0 (g/mL)"},
        {2, "        Electron Negativity : Unknown"},
        {2, "              Melting Point : 0.95 (K), -272.2 (C)"},
        {2, "          Boiling Point (K) : 4.21 (K), -268.94 (C)"},
        {1, "              Melting Point : 14.03 (K), -259.13 (C)"},
        {43, "              Atomic Weight : 98"},
        {43, "       Heat of Vaporization : 660 (kJ/mol)"},
        {10, "              Atomic Number : 10"},
        {6, "            Discovered Year : -1000"},
        {28, "            Discovered Year : -235"},
        {110, "            Discovered Year : Unknown"},
        {110, "          Crystal Structure : Unknown"},
        {113, "              Melting Point : Unknown (K), Unknown (C)"},
        {113, "              Abbreviation  : 113"},
        {26, "      Thermal Conductivity  : 80.2 (W/mK) (at 300 K, 26.9 C)"},
        {113, "     Specific Heat Capacity : Unknown (J/gK) (at 300 K, 26.9 C)"},
        {1, "              Element Group : Other Non-Metals"},
        {1, "    Acid or Base Properties : Neutral (pH = 7)"},
        {110, "                  Synthetic : Yes"},
        {3, "    Acid or Base Properties : Mildly Basic"},
        {6, "           Oxidation States : +/-4, 2"},
        {6, "              Discovered by : Unknown"},
        {1, " First Ionization Potential : 13.598"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(Has(Lines_Of(c.Element), c.Line)) << "element " << c.Element << ": " << c.Line;
    }
    // Every property line has its colon in column 29 and its value from column 31.
    const std::vector<std::string> iron = Lines_Of(26);
    for (std::size_t i = 2; i < 28; ++i) {
        EXPECT_EQ(iron[i].substr(28, 2), ": ") << iron[i];
    }
}

TEST_F(Element_Report_Text, TitleFactsAndFooterInTheirPlaceAndFormat)
{
    const Report_Document iron = Build_Element_Report(elements_[26], Footer());
    EXPECT_EQ(iron.Caption, "Iron Properties :");
    ASSERT_EQ(iron.Lines.size(), 44u);
    EXPECT_EQ(iron.Lines[0], (Report_Line{"Iron", 22, true, true, Line_Alignment::Centre}));
    EXPECT_EQ(iron.Lines[1], (Report_Line{"", 10, false, false, Line_Alignment::Left}));
    EXPECT_EQ(iron.Lines[28].Text, "");
    EXPECT_EQ(iron.Lines[29].Text, "Interesting Facts : ");
    EXPECT_EQ(iron.Lines[30].Text, elements_[26].Interesting_Details);

    const std::vector<Report_Line> footer(iron.Lines.begin() + 31, iron.Lines.end());
    const std::string divider(56, '~');
    const Line_Alignment C = Line_Alignment::Centre, L = Line_Alignment::Left;
    const std::vector<Report_Line> expected = {
        {"", 10, false, false, L},
        {divider, 10, false, false, C},
        {"", 10, false, false, C},
        {"The above information is courtesy of : ", 10, false, false, C},
        {"Halvorn v2.0b", 10, true, false, C},
        {"by Tandrel Software, November 2002", 10, false, false, C},
        {"", 10, false, false, C},
        {"For this and other great software visit : ", 10, false, false, C},
        {"http://x.example/", 10, true, false, C},
        {"", 10, false, false, C},
        {divider, 10, false, false, C},
        {"", 10, false, false, L},
        {"End of Report.", 10, false, false, L},
    };
    EXPECT_EQ(footer, expected);

    // An empty facts text keeps its heading; a missing one leaves the paragraph out.
    const std::vector<std::string> europium = Lines_Of(63);
    EXPECT_EQ(europium[29], "Interesting Facts : ");
    EXPECT_EQ(europium[30], "");
    Element_Record without = elements_[26];
    without.Interesting_Details = std::string(Missing_Text);
    const Report_Document missing = Build_Element_Report(without, Footer());
    EXPECT_EQ(missing.Lines.size(), iron.Lines.size() - 3);
    EXPECT_EQ(missing.Lines[28].Text, "");
    EXPECT_EQ(missing.Lines[29].Text, divider);
}

TEST(Rich_Text, EscapesAndMarksEveryLine)
{
    const std::vector<Report_Line> lines = {{"Title {x}", 22, true, true, Line_Alignment::Centre},
                                            {"a\\b \xF6", 10, false, false, Line_Alignment::Left, 0xFF0000}};
    const std::string rtf = Document_Rtf(lines, "Courier New");
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 Courier New;}}"), std::string::npos);
    EXPECT_NE(rtf.find("{\\colortbl;\\red0\\green0\\blue255;}"), std::string::npos);
    EXPECT_NE(rtf.find("\\pard\\qc\\plain\\f0\\fs44\\b\\ul Title \\{x\\}\\par"), std::string::npos);
    EXPECT_NE(rtf.find("\\pard\\ql\\plain\\f0\\fs20\\cf1 a\\\\b \\'f6\\par"), std::string::npos);
    EXPECT_EQ(rtf.back(), '}');
}

TEST(Glossary, FindsTheFortyThreeHeadingsAndNothingElse)
{
    int headings = 0;
    const std::vector<Report_Line> lines = Glossary_Lines(Glossary_Text(), 14, headings);
    EXPECT_EQ(lines.size(), 131u);
    EXPECT_EQ(headings, 43);
    EXPECT_EQ(lines[0].Text, "");
    EXPECT_EQ(lines[1].Text, "Abbreviated Electron Configuration :");
    EXPECT_TRUE(lines[1].Bold);
    EXPECT_EQ(lines[1].Colour, 0xFF0000u);
    EXPECT_EQ(lines[4].Text, "Absolute Zero :");
    EXPECT_EQ(lines[5].Text, "The lowest possible temperature, which is -273.15 degrees Celsius (0 degrees Kelvin).  "
                             "At this temperature, molecules are at their lowest energy state.");
    EXPECT_FALSE(lines[5].Bold);
    EXPECT_EQ(lines[5].Colour, Automatic_Colour);
    EXPECT_TRUE(Is_Glossary_Heading("  Neutral :  "));
    EXPECT_FALSE(Is_Glossary_Heading("1.  An object having no charge."));
    EXPECT_FALSE(Is_Glossary_Heading("   "));
    EXPECT_FALSE(Is_Glossary_Heading(""));
}

}  // namespace
}  // namespace halvorn
