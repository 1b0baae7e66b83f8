#include <gtest/gtest.h>

#include "winint/Document_Texts.h"

namespace halvorn {
namespace {

TEST(Document_Paths, ReadmeIsTheExecutableNameCutAtItsFirstDot)
{
    const struct { const wchar_t* Executable; const wchar_t* Readme; } cases[] = {
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

}  // namespace
}  // namespace halvorn
