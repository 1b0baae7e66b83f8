// The element report as a document: lines of text, each with its size, style and
// alignment, ready to be written into a rich-text control or onto the clipboard.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "elements/Element_Record.h"
#include "report/Report_Number_Format.h"

namespace halvorn {

enum class Line_Alignment { Left, Centre };

// The control's own text colour.
inline constexpr std::uint32_t Automatic_Colour = 0xFFFFFFFF;

struct Report_Line {
    std::string Text;
    int Size = 10;  // points
    bool Bold = false;
    bool Underline = false;
    Line_Alignment Alignment = Line_Alignment::Left;
    std::uint32_t Colour = Automatic_Colour;  // 0x00BBGGRR

    bool operator==(const Report_Line&) const = default;
};

struct Report_Document {
    std::string Caption;  // of the report window
    std::vector<Report_Line> Lines;
};

// What the footer reads from the About window at the moment of the report.
struct Report_Footer_Texts {
    std::string Product_Name;
    std::string Author_and_Date;
    std::string Web_Address;
};

inline constexpr int Report_Title_Size = 22;

Report_Document Build_Element_Report(const Element_Record& record, const Report_Footer_Texts& footer,
                                     const Number_Separators& separators = {}, int default_size = 10);

// The glossary text as lines: the headings (the only lines whose trimmed text ends in
// ":") bold and pure blue, every other line plain. Counts the headings.
std::vector<Report_Line> Glossary_Lines(std::string_view text, int size, int& headings);
bool Is_Glossary_Heading(std::string_view line);
std::string_view Glossary_Text();

// Rich Text Format of a document in the given font, Windows-1252 text escaped.
std::string Document_Rtf(const std::vector<Report_Line>& lines, std::string_view font_face);

}  // namespace halvorn
