#include <gtest/gtest.h>

#include "export/Element_Data_Text.h"
#include "tests/shared/Built_Elements.h"

namespace halvorn {
namespace {

std::string Line(const std::string& text, std::size_t index)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) start = text.find("\r\n", start) + 2;
    return text.substr(start, text.find("\r\n", start) - start);
}

TEST(Element_Data_Text, HeaderAndRowsAsASpreadsheetReadsThem)
{
    const Element_Array& elements = test::Built_Elements();
    const std::string tsv = Element_Data_Tsv(elements);
    EXPECT_EQ(Line(tsv, 0),
              "Atomic Number\tSymbol\tName\tAtomic Weight\tAtomic Volume (cm^3/mol)\tAtomic Radius (A)\t"
              "Bonding (Covalent) Radius (A)\tMelting Point (K)\tBoiling Point (K)\tState (at 0 Degrees C)\t"
              "Density (g/mL)\tElectron Negativity\tHeat of Vaporization (kJ/mol)\tHeat of Fusion (kJ/mol)\t"
              "Electrical Conductivity\tThermal Conductivity (W/mK)\tSpecific Heat Capacity (J/gK)\t"
              "First Ionization Potential (eV)\tAcid or Base Properties\tCrystal Structure\tElectron Configuration\t"
              "Oxidation States\tElement Type\tElement Group\tSynthetic\tDiscovered by\tDiscovered Year");
    // Missing values leave their cells empty.
    EXPECT_EQ(Line(tsv, 2),
              "2\tHe\tHelium\t4.002602\t32\t0.49\t\t0.95\t4.21\tGas\t0.000179\t\t0.0829\t\t\t0.152\t5.193\t24.587\t"
              "Unknown\tHexagonal\t1s2\t\tNon-Metal\tNoble Gases\tNo\t"
              "Pierre Janssen and Norman Lockyer (in the solar spectrum); isolated by William Ramsay in 1895\t1868");
    EXPECT_EQ(Line(tsv, 119), "") << "a header and 118 rows";

    // A cell with a comma goes in quotes.
    const std::string csv = Element_Data_Csv(elements);
    EXPECT_EQ(Line(csv, 26),
              "26,Fe,Iron,55.845,7.09,1.72,1.17,1811,3134,Solid,7.874,1.83,340,13.81,10.4,80.2,0.449,7.902,"
              "Amphoteric (Acid and Base),Cubic (body centered),[Ar] 3d6 4s2,\"2, 3\",Metal,Transition Metals,No,,-1000");
}

}  // namespace
}  // namespace halvorn
