#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/Registry_Key.h"
#include "tests/win/Win_Test_Support.h"
#include "winint/Auto_Run.h"
#include "winint/Windows_Messages.h"
#include "winint/Windows_Registry.h"

namespace halvorn::test {
namespace {

constexpr Registry_Root HKCU = Registry_Root::Current_User;

// A key of our own under the current user, made for each test and removed after it.
class Real_Registry : public ::testing::Test {
protected:
    void SetUp() override
    {
        Path = L"Software\\Halvorn Tests " + std::to_wstring(GetCurrentProcessId());
        Key = L"\\" + Path;
        HKEY created = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, Path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, nullptr);
        Opened.Reset(created);
        ASSERT_TRUE(Opened);
    }
    void TearDown() override
    {
        Opened.Reset();
        RegDeleteTreeW(HKEY_CURRENT_USER, Path.c_str());
        EXPECT_FALSE(Registry_Key::Open(HKEY_CURRENT_USER, Path, KEY_READ)) << "test key left behind";
    }
    void Set_Raw(const std::wstring& name, DWORD type, const void* data, DWORD size)
    {
        ASSERT_EQ(RegSetValueExW(Opened.Get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
    }

    std::wstring Path, Key;
    Registry_Key Opened;
    Windows_Registry Store;
};

TEST_F(Real_Registry, KeysExistWhenTheyOpenAndStringsGoInAndComeOutAsTheyWere)
{
    EXPECT_TRUE(Store.Key_Exists(HKCU, Key));
    EXPECT_TRUE(Store.Key_Exists(HKCU, Path));
    EXPECT_FALSE(Store.Key_Exists(HKCU, Key + L"\\Missing"));
    EXPECT_TRUE(Store.Key_Exists(Registry_Root::Local_Machine, std::wstring(Run_Key)));
    EXPECT_FALSE(Store.Key_Exists(Registry_Root::Local_Machine, Key));

    const std::wstring values[] = {L"C:\\Program Files\\Halvorn\\Halvorn.exe", L"", L"\u00c5ngstr\u00f6m \u03a9 \u20ac",
                                   std::wstring(3000, L'x')};
    for (const std::wstring& value : values) {
        Store.Write_String(HKCU, Key, L"Item", value);
        EXPECT_EQ(Store.Read_String(HKCU, Key, L"Item"), value);
        DWORD type = 0;
        ASSERT_EQ(RegQueryValueExW(Opened.Get(), L"Item", nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    }
    EXPECT_TRUE(Store.Value_Exists(HKCU, Key, L"item"));
    Store.Delete_Value(HKCU, Key, L"Item");
    EXPECT_FALSE(Store.Value_Exists(HKCU, Key, L"Item"));
    EXPECT_EQ(Store.Read_String(HKCU, Key, L"Item"), L"");
    EXPECT_EQ(Store.Read_String(HKCU, Key + L"\\Missing", L"Item"), L"");
    EXPECT_FALSE(Store.Value_Exists(HKCU, Key + L"\\Missing", L"Item"));
}

TEST_F(Real_Registry, ValuesMadeByOthersAreReadAsTheyStand)
{
    // Without a closing zero, and with the expandable string type.
    const wchar_t bare[] = {L'a', L'b', L'c'};
    Set_Raw(L"Bare", REG_SZ, bare, sizeof bare);
    EXPECT_EQ(Store.Read_String(HKCU, Key, L"Bare"), L"abc");
    const wchar_t expandable[] = L"%SystemRoot%\\Web";
    Set_Raw(L"Expandable", REG_EXPAND_SZ, expandable, sizeof expandable);
    EXPECT_EQ(Store.Read_String(HKCU, Key, L"Expandable"), L"%SystemRoot%\\Web");

    const DWORD number = 7;
    Set_Raw(L"Count", REG_DWORD, &number, sizeof number);
    const auto expect_error = [](const std::function<void()>& call, const char* message) {
        try {
            call();
            ADD_FAILURE() << "no error; expected " << message;
        } catch (const Registry_Error& error) {
            EXPECT_STREQ(error.what(), message);
        }
    };
    expect_error([&] { Store.Read_String(HKCU, Key, L"Count"); }, "Invalid data type for 'Count'");
    // Failing to open the key is a refusal to store the value.
    expect_error([&] { Store.Write_String(HKCU, Key + L"\\Missing", L"Item", L"1"); }, "Failed to set data for 'Item'");
    EXPECT_FALSE(Store.Key_Exists(HKCU, Key + L"\\Missing"));
}

// Icons, buttons and answers are met by the program's own boxes in the other tests.
TEST(Windows_Messages, TextAndTitleMeetTheMessageBoxInTheProgramsCodePage)
{
    Box_Recorder recorder;
    Windows_Messages messages(nullptr);
    recorder.Answers = {IDNO};
    EXPECT_EQ(messages.Show(L"Saved \u00e9", Message_Icon::Warning, Message_Buttons::Yes_No), Message_Answer::No);
    ASSERT_EQ(recorder.Boxes.size(), 1u);
    EXPECT_EQ(recorder.Boxes[0].Text, "Saved \xe9");
    EXPECT_EQ(recorder.Boxes[0].Title, "Halvorn v2.0b");
}

// However long a path in a message is, its line fits the screen, with its start and its
// end (the file's name) kept.
TEST(Windows_Messages, ALineTooLongForTheScreenIsCutInItsMiddle)
{
    Windows_Messages messages(nullptr);
    const std::wstring line = L" Old      = C:\\" + std::wstring(32000, L'x') + L"\\Halvorn.exe";
    const std::wstring fitted = messages.Fit_Line(line);
    EXPECT_GT(fitted.size(), 40u);
    EXPECT_LT(fitted.size(), 300u) << "half a screen 1920 pixels wide";
    EXPECT_EQ(fitted.rfind(L" Old      = C:\\xx", 0), 0u);
    EXPECT_NE(fitted.find(L"x...x"), std::wstring::npos);
    EXPECT_EQ(fitted.substr(fitted.size() - 13), L"x\\Halvorn.exe");
    EXPECT_EQ(messages.Fit_Line(L" Current = C:\\Halvorn.exe"), L" Current = C:\\Halvorn.exe");
}

}  // namespace
}  // namespace halvorn::test
