#include <QString>

#include <clocale>
#include <cstdio>
#include <gtest/gtest.h>

// The widget tests run in French so that a comma sneaking into numbers shows up.
TEST(Locale, NumbersKeepTheirPointAfterTheApplicationStarts)
{
    const char* all = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(all, nullptr);
    if (qEnvironmentVariable("LC_ALL") == "fr_FR.UTF-8") {
        EXPECT_STREQ(std::setlocale(LC_CTYPE, nullptr), "fr_FR.UTF-8")
            << "the fr_FR.UTF-8 locale is not installed (scripts/setup generates it)";
    }
    char text[16];
    std::snprintf(text, sizeof text, "%.3f", 2.5);
    EXPECT_STREQ(text, "2.500");
    double value = 0;
    EXPECT_EQ(std::sscanf("1.25", "%lf", &value), 1);
    EXPECT_EQ(value, 1.25);
}
