#include "winint/Document_Texts.h"

namespace halvorn {

namespace {
std::size_t Name_Start(std::wstring_view path)
{
    const std::size_t end = path.find_last_of(L"\\:");
    return end == std::wstring_view::npos ? 0 : end + 1;
}
}  // namespace

std::wstring Directory_Of(std::wstring_view path) { return std::wstring(path.substr(0, Name_Start(path))); }

std::wstring File_Name_Of(std::wstring_view path) { return std::wstring(path.substr(Name_Start(path))); }

std::wstring Readme_Path(std::wstring_view executable_path)
{
    const std::wstring name = File_Name_Of(executable_path);
    return Directory_Of(executable_path) + name.substr(0, name.find(L'.')) + L".txt";
}

std::wstring Catalog_Path(std::wstring_view executable_path) { return Directory_Of(executable_path) + L"catalog.txt"; }

std::wstring Notepad_Command_Line(std::wstring_view document_path)
{
    return L"Notepad.exe " + std::wstring(document_path);
}

std::string Catalog_Missing_Text(std::string_view title)
{
    return std::string("Tandrel's Shareware Catalog is not in the same directory as ") + std::string(title) + ".  " +
           "The required file 'catalog.txt' was included in the " +
           "distribution ZIP file.  Please unzip this file and try again.";
}

}  // namespace halvorn
