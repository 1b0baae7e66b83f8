#include "report/Element_Report.h"

#include <algorithm>
#include <cstdio>

#include "elements/Code_Tables.h"

namespace halvorn {

namespace {

// Appends lines in the formatting in force, which changes only before the line it
// concerns and holds until changed again.
class Line_Writer {
public:
    explicit Line_Writer(std::vector<Report_Line>& lines, int size) : lines_(lines) { style_.Size = size; }

    void Size(int points) { style_.Size = points; }
    void Bold(bool on) { style_.Bold = on; }
    void Underline(bool on) { style_.Underline = on; }
    void Align(Line_Alignment alignment) { style_.Alignment = alignment; }
    void Add(std::string text)
    {
        Report_Line line = style_;
        line.Text = std::move(text);
        lines_.push_back(std::move(line));
    }

private:
    std::vector<Report_Line>& lines_;
    Report_Line style_;
};

template <int First, int Count>
std::string Name_Or_Unknown(const Code_Names<First, Count>& names, std::int32_t code)
{
    return names.Holds(code) ? std::string(names[code]) : "Unknown";
}

std::string Text_Or_Unknown(const std::string& text) { return text == Missing_Text ? "Unknown" : text; }

const std::string Divider(56, '~');

}  // namespace

Report_Document Build_Element_Report(const Element_Record& record, const Report_Footer_Texts& footer,
                                     const Number_Separators& separators, int default_size)
{
    Report_Document report;
    report.Caption = record.Element_Name + " Properties :";
    Line_Writer out(report.Lines, default_size);
    const auto number = [&separators](int decimals, double value) {
        return Format_Report_Value(decimals, value, separators);
    };
    const auto celsius = [&separators](int decimals, double kelvin) {
        return Format_Report_Celsius(decimals, kelvin, separators);
    };
    const auto temperature = [&](double kelvin) { return number(2, kelvin) + " (K), " + celsius(2, kelvin) + " (C)"; };
    const std::string at_300_k = " (at 300 K, " + celsius(1, 300) + " C)";

    out.Size(Report_Title_Size);
    out.Align(Line_Alignment::Centre);
    out.Bold(true);
    out.Underline(true);
    out.Add(record.Element_Name);

    out.Bold(false);
    out.Underline(false);
    out.Size(default_size);
    out.Align(Line_Alignment::Left);
    out.Add("");

    out.Add("              Abbreviation  : " + record.Element_Abbreviation);
    out.Add("              Atomic Number : " + number(0, record.Atomic_Number));
    out.Add("              Element Group : " + Name_Or_Unknown(Group_Names, record.Group));
    out.Add("               Element Type : " + Name_Or_Unknown(Metal_Names, record.Metal));
    out.Add("              Atomic Weight : " + number(4, record.Atomic_Weight));
    out.Add("              Atomic Volume : " + number(2, record.Atomic_Volume) + " (cm^3/mol)");
    out.Add("              Atomic Radius : " + number(2, record.Atomic_Radius) + " (A)");
    out.Add("  Bonding (Covalent) Radius : " + number(2, record.Covalent_Radius) + " (A)");
    out.Add("              Melting Point : " + temperature(record.Melting_Point));
    out.Add("          Boiling Point (K) : " + temperature(record.Boiling_Point));
    out.Add("     State (at 0 Degrees C) : " + Name_Or_Unknown(State_Names, record.State));
    out.Add("                    Density : " + number(2, record.Density) + " (g/mL)");
    out.Add("        Electron Negativity : " + number(2, record.Electron_Negativity));
    out.Add("       Heat of Vaporization : " + number(2, record.Heat_of_Vaporization) + " (kJ/mol)");
    out.Add("             Heat of Fusion : " + number(2, record.Heat_of_Fusion) + " (kJ/mol)");
    out.Add("    Electrical Conductivity : " + number(2, record.Electrical_Conductivity));
    out.Add("      Thermal Conductivity  : " + number(2, record.Thermal_Conductivity) + " (W/mK)" + at_300_k);
    out.Add("     Specific Heat Capacity : " + number(2, record.Specific_Heat_Capacity) + " (J/gK)" + at_300_k);
    out.Add(" First Ionization Potential : " + number(3, record.First_Ionization_Potential));
    out.Add("    Acid or Base Properties : " + Name_Or_Unknown(Acid_Base_Names, record.Acid_Base_Properties));
    out.Add("          Crystal Structure : " + Name_Or_Unknown(Crystal_Structure_Names, record.Crystal_Structure));
    out.Add("     Electron Configuration : " + Text_Or_Unknown(record.Electron_Configuration));
    out.Add("           Oxidation States : " + Text_Or_Unknown(record.Oxidation_States));
    out.Add("                  Synthetic : " + Name_Or_Unknown(Synthetic_Names, record.Synthetic));
    out.Add("              Discovered by : " + Text_Or_Unknown(record.Discovered_By));
    out.Add("            Discovered Year : " +
            (record.Discovered_Date == Missing_Value ? std::string("Unknown") : std::to_string(record.Discovered_Date)));

    if (record.Interesting_Details != Missing_Text) {
        out.Add("");
        out.Add("Interesting Facts : ");
        out.Add(record.Interesting_Details);
    }

    out.Add("");
    out.Align(Line_Alignment::Centre);
    out.Add(Divider);
    out.Add("");
    out.Add("The above information is courtesy of : ");
    out.Bold(true);
    out.Add(footer.Product_Name);
    out.Bold(false);
    out.Add("by " + footer.Author_and_Date);
    out.Add("");
    out.Add("For this and other great software visit : ");
    out.Bold(true);
    out.Add(footer.Web_Address);
    out.Bold(false);
    out.Add("");
    out.Add(Divider);
    out.Align(Line_Alignment::Left);
    out.Add("");
    out.Add("End of Report.");
    return report;
}

bool Is_Glossary_Heading(std::string_view line)
{
    const auto last = line.find_last_not_of(" \t");
    return last != std::string_view::npos && line[last] == ':';
}

std::vector<Report_Line> Glossary_Lines(std::string_view text, int size, int& headings)
{
    std::vector<Report_Line> lines;
    headings = 0;
    const std::size_t count = Count_Text_Lines(text);
    for (std::size_t i = 0; i < count; ++i) {
        Report_Line line;
        line.Text = Text_Line(text, i);
        line.Size = size;
        if (Is_Glossary_Heading(line.Text)) {
            line.Bold = true;
            line.Colour = 0xFF0000;  // pure blue
            ++headings;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string Document_Rtf(const std::vector<Report_Line>& lines, std::string_view font_face)
{
    // Colour 0 of the table is the control's own; the others as the lines use them.
    std::vector<std::uint32_t> colours;
    for (const Report_Line& line : lines)
        if (line.Colour != Automatic_Colour && std::find(colours.begin(), colours.end(), line.Colour) == colours.end())
            colours.push_back(line.Colour);
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 ";
    rtf.append(font_face).append(";}}\n{\\colortbl;");
    for (const std::uint32_t colour : colours)
        rtf += "\\red" + std::to_string(colour & 0xFF) + "\\green" + std::to_string((colour >> 8) & 0xFF) + "\\blue" +
               std::to_string((colour >> 16) & 0xFF) + ";";
    rtf += "}\n";
    for (const Report_Line& line : lines) {
        rtf += line.Alignment == Line_Alignment::Centre ? "\\pard\\qc" : "\\pard\\ql";
        rtf += "\\plain\\f0\\fs" + std::to_string(line.Size * 2);
        if (line.Colour != Automatic_Colour)
            rtf += "\\cf" + std::to_string(std::find(colours.begin(), colours.end(), line.Colour) - colours.begin() + 1);
        if (line.Bold) rtf += "\\b";
        if (line.Underline) rtf += "\\ul";
        rtf += ' ';
        for (const char c : line.Text) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '\\' || c == '{' || c == '}') {
                rtf += '\\';
                rtf += c;
            } else if (byte >= 0x80) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\'%02x", byte);
                rtf += hex;
            } else if (byte == '\t') {
                rtf += "\\tab ";
            } else if (byte >= 0x20) {
                rtf += c;
            }
        }
        rtf += "\\par\n";
    }
    return rtf + "}";
}

}  // namespace halvorn
