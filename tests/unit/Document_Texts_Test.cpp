#include <gtest/gtest.h>

#include "winint/Document_Texts.h"

namespace halvorn {
namespace {

TEST(Document_Paths, ReadmeIsTheExecutableNameCutAtItsFirstDot)
{
    const struct {
        const wchar_t* Executable;
        const wchar_t* Readme;
    } cases[] = {
        {L"C:\\Programs\\Halvorn.exe", L"C:\\Programs\\Halvorn.txt"},
        {L"C:\\Programs\\Hal.vorn.exe", L"C:\\Programs\\Hal.txt"},
        {L"C:\\Programs\\Halvorn", L"C:\\Programs\\Halvorn.txt"},
        // Dots in the directory do not count.
        {L"C:\\My.Programs\\Halvorn.exe", L"C:\\My.Programs\\Halvorn.txt"},
        {L"C:Halvorn.exe", L"C:Halvorn.txt"},
        {L"C:\\Programs\\.hidden.exe", L"C:\\Programs\\.txt"},
    };
    for (const auto& c : cases) EXPECT_EQ(Readme_Path(c.Executable), c.Readme);
}

TEST(Document_Paths, CatalogueIsBesideTheExecutable)
{
    EXPECT_EQ(Catalog_Path(L"C:\\Program Files\\Halvorn\\Hal.vorn.exe"), L"C:\\Program Files\\Halvorn\\catalog.txt");
    EXPECT_EQ(Catalog_Path(L"D:Halvorn.exe"), L"D:catalog.txt");
}

TEST(Document_Paths, NotepadGetsThePathUnquotedWhateverItsLength)
{
    EXPECT_EQ(Notepad_Command_Line(L"C:\\Program Files\\My Tools\\Halvorn.txt"),
              L"Notepad.exe C:\\Program Files\\My Tools\\Halvorn.txt");
    const std::wstring deep = L"C:\\" + std::wstring(300, L'd') + L"\\catalog.txt";
    EXPECT_EQ(Notepad_Command_Line(deep), L"Notepad.exe " + deep);
}

}  // namespace
}  // namespace halvorn
