#include "export/Element_Data_Export.h"

#include <string>
#include <vector>

#include "export/Element_Data_Text.h"
#include "platform/Clipboard_Session.h"
#include "platform/Seams.h"
#include "platform/Whole_File.h"
#include "platform/Win_Text.h"

namespace halvorn {

void Copy_Element_Data(HWND owner)
{
    const std::wstring tsv = Widen(Element_Data_Tsv(Elements));
    // Spreadsheet programs read the "Csv" format in the code page of the text.
    const std::string csv = Element_Data_Csv(Elements);
    const UINT csv_format = RegisterClipboardFormatW(L"Csv");
    Clipboard_Session clipboard(owner);
    clipboard.Empty();
    clipboard.Set_Bytes(CF_UNICODETEXT, tsv.c_str(), (tsv.size() + 1) * sizeof(wchar_t));
    if (csv_format) clipboard.Set_Bytes(csv_format, csv.c_str(), csv.size() + 1);
}

void Save_Element_Data_As(HWND owner)
{
    Save_Choice choice{L"Elements.csv", 1};
    if (!Run_Save_Dialog(owner, L"Save Element Data As", {{L"CSV file (*.csv)", L"*.csv"}}, L"csv", choice)) return;
    // The byte-order mark tells spreadsheet programs the text is UTF-8.
    const std::string text = "\xEF\xBB\xBF" + Utf8_From_Windows_1252(Element_Data_Csv(Elements));
    Write_Whole_File(choice.Path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

}  // namespace halvorn
