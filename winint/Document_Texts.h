// Where the documents that ship beside the executable are, how Notepad is asked to show
// them, and what is said when the catalogue is missing. Paths are wide, of any length.
#pragma once

#include <string>
#include <string_view>

namespace halvorn {

// The path up to and including its last "\" or ":", and what follows it.
std::wstring Directory_Of(std::wstring_view path);
std::wstring File_Name_Of(std::wstring_view path);

// The executable's directory and file name cut at its first ".", with ".txt".
std::wstring Readme_Path(std::wstring_view executable_path);
std::wstring Catalog_Path(std::wstring_view executable_path);

// "Notepad.exe " and the path, unquoted: Notepad takes the rest of its command line as
// the file name, blanks and all.
std::wstring Notepad_Command_Line(std::wstring_view document_path);

// The explanation shown when the catalogue is not beside the program called title.
std::string Catalog_Missing_Text(std::string_view title);

}  // namespace halvorn
