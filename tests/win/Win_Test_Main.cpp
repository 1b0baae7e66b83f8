// Runs the Windows-side tests on the UI thread, with common controls 6 from the manifest.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string_view>

#include "tests/win/Win_Test_Support.h"

int main(int argc, char** argv)
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count == 3 && std::wstring_view(arguments[1]) == L"--write-settings-forever")
        return halvorn::test::Write_Settings_Forever(arguments[2]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
