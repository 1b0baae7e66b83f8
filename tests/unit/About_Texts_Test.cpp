#include <gtest/gtest.h>

#include <set>

#include "winint/About_Texts.h"

namespace halvorn {
namespace {

constexpr std::uint64_t KB = 1024, MB = 1024 * KB;

// A load reported gives what is left of a hundred, whatever the sizes; with none, the
// share of memory and page file still free.
TEST(Free_Memory, FromTheLoadOrElseFromTheSizes)
{
    const struct {
        std::uint32_t Load;
        std::uint64_t Available_Physical, Total_Physical, Available_Page, Total_Page;
        const char* Text;
    } cases[] = {
        {37, 4096 * MB, 4096 * MB, 0, 0, "63%"}, {150, 0, 0, 0, 0, "-50%"},
        {0, 512 * MB, 1024 * MB, 1024 * MB, 3072 * MB, "38%"},  // 37.5
        {0, 128 * KB, 1024 * KB, 0, 0, "13%"},                  // exactly 12.5: the half rounds up
        // Physical bytes below a whole kilobyte are dropped: 5 of 10 KB, not 5.98.
        {0, 5 * KB + 1000, 10 * KB, 0, 0, "50%"},
        // Page-file bytes count to the fraction: 0.98 of 10 KB.
        {0, 0, 10 * KB, 1000, 0, "10%"},
        {0, 0, 0, 0, 0, "0%"},  // nothing reported at all
    };
    for (const auto& c : cases) {
        const Memory_Status status{c.Load, c.Total_Physical, c.Available_Physical, c.Total_Page, c.Available_Page};
        EXPECT_EQ(Free_Memory_Percent_Text(status), c.Text) << "load " << c.Load << ", " << c.Available_Physical
                                                            << "/" << c.Total_Physical << " + " << c.Available_Page;
    }
}

TEST(Quotes, ElevenDistinctOneLineQuotes)
{
    const std::vector<std::string> quotes = Tandrel_Quotes();
    ASSERT_EQ(quotes.size(), 11u);
    EXPECT_EQ(std::set<std::string>(quotes.begin(), quotes.end()).size(), 11u);
    for (const std::string& quote : quotes) {
        EXPECT_EQ(quote.find_first_of("\r\n\t"), std::string::npos) << quote;
        EXPECT_NE(std::string(".!").find(quote.back()), std::string::npos) << quote;
        EXPECT_LE(quote.size(), 110u) << "too long to show whole: " << quote;
    }
}

}  // namespace
}  // namespace halvorn
