#include <gtest/gtest.h>

#include "elements/Chemical_Formula.h"
#include "tests/shared/Built_Elements.h"

namespace halvorn {
namespace {

TEST(Chemical_Formula, GivesTheMolarMassOfGoodFormulasAndNamesTheFaultOfBadOnes)
{
    // The molar mass in g/mol of a formula read, or the fault and the length it marks.
    const struct { const char* Formula; double Mass; const char* Fault; int Length; } cases[] = {
        {"CuSO4\xB7" "5H2O", 249.68, nullptr, 0},
        {"Ca3(PO4)2", 310.17, nullptr, 0},
        {"K4[Fe(CN)6]", 368.35, nullptr, 0},
        {"CuSO4*5H2O", 249.68, nullptr, 0},
        {" SO4^2- ", 96.06, nullptr, 0},   // the charge is left off
        {"NH4+", 18.04, nullptr, 0},        // digits before a bare sign are a count
        {"Ca(OH", 0, "Unclosed parenthesis opened at character 3", 1},
        {"Xx2", 0, "Unknown element 'Xx' at character 1", 2},
        {"H2O)", 0, "Unmatched closing parenthesis at character 4", 1},
        {"K4[Fe(CN)6)", 0, "Unclosed bracket opened at character 3", 1},
        {"H2O.", 0, "Nothing to count at character 4", 1},
        {"H()", 0, "Nothing to count at character 2", 2},
        {"H2o", 0, "Unexpected character 'o' at character 3", 1},
        {"", 0, "Enter a formula, such as CuSO4\xB7" "5H2O", 0},
    };
    for (const auto& c : cases) {
        const Formula_Reading reading = Read_Formula(c.Formula, test::Built_Elements());
        if (c.Fault) {
            EXPECT_EQ(reading.Fault.Message, c.Fault) << c.Formula;
            EXPECT_EQ(reading.Fault.Length, c.Length) << c.Formula;
            EXPECT_TRUE(reading.Counts.empty()) << c.Formula;
        } else {
            ASSERT_TRUE(reading.Read()) << c.Formula << ": " << reading.Fault.Message;
            EXPECT_NEAR(Molar_Mass_Of(reading.Counts, test::Built_Elements()).Total, c.Mass, 0.01) << c.Formula;
        }
    }
}

TEST(Chemical_Formula, TablesEachElementWithThePrecisionOfTheLeastPreciseWeight)
{
    const Formula_Reading reading = Read_Formula("H2O", test::Built_Elements());
    EXPECT_EQ(Molar_Mass_Text("H2O", Molar_Mass_Of(reading.Counts, test::Built_Elements()), test::Built_Elements()),
              "Formula    : H2O\r\n"
              "Molar mass : 18.0153 g/mol\r\n"
              "\r\n"
              "Element                Count  Mass (g/mol)  Mass %\r\n"
              "H   Hydrogen               2        2.0159   11.19\r\n"
              "O   Oxygen                 1       15.9994   88.81\r\n");
}

}  // namespace
}  // namespace halvorn
