#include "core/AngleFormat.h"
#include "core/ListIndent.h"
#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

// Expected texts by hand: minutes = 60 x the fraction, rounded at the printed
// precision, a round-up to 60 carrying into the next hour or degree.
TEST(NumberTexts, RoundingCarriesAtEveryBoundaryAndColumnsKeepTheirWidth)
{
    const double nan = std::nan("");
    // Radians from degrees and minutes, with the program's own degree factor.
    const auto Radians = [](double degrees, double minutes, int sign = 1) {
        return sign * (degrees + minutes / 60) / 57.29577951862575;
    };
    const std::pair<std::string, std::string> cases[] = {
        {FormatRightAscension(0.5), "  0 30.00"}, {FormatRightAscension(23.99), " 23 59.40"},
        {FormatRightAscension(-0.25), " -0 15.00"}, {FormatRightAscension(5 + 59.994 / 60), "  5 59.99"},
        {FormatRightAscension(5 + 59.996 / 60), "  6  0.00"}, {FormatRightAscension(23 + 59.999 / 60), "  0  0.00"},
        {FormatRightAscension(-(59.999 / 60)), " -1  0.00"},
        {FormatRightAscension(99.4), " 99 24.00"},  // the widest hours, then no room
        {FormatRightAscension(99.5), "      ---"}, {FormatDeclination(Radians(10, 30.27), 0), " 10 30.3"},
        {FormatDeclination(Radians(0, 12, -1), 0), " -0 12.0"}, {FormatDeclination(Radians(5, 6, -1), 0), " -5  6.0"},
        // Half an arcminute suits whole minutes only: 59.7' stays in its degree.
        {FormatDeclination(Radians(10, 59.7), 0), " 10 59.7"}, {FormatDeclination(Radians(10, 59.94), 0), " 10 59.9"},
        {FormatDeclination(Radians(10, 59.96), 0), " 11  0.0"},
        {FormatDeclination(Radians(0, 59.97, -1), 0), " -1  0.0"},
        {FormatDeclination(Radians(10, 59.95), 0), " 11  0.0"},  // the half unit lands on 11 exactly
        {FormatDeclination(Radians(89, 59.99), 0), " 90  0.0"},
        {FormatDeclination(1.69, 0), " 96 49.8"},  // 1.69 rad = 96.8296 degrees
        {FormatDeclination(1.7, 0), "     ---"}, {FormatDeclination(Radians(10, 59.4), 1), "10° 59'"},
        {FormatDeclination(Radians(10, 59.6), 1), "11° 0'"}, {FormatDeclination(Radians(0, 30, -1), 1), "-0°30'"},
        {FormatDeclination(Radians(0, 0.4, -1), 1), "0° 0'"},
        {FormatDeclination(Radians(23, 26.4, -1), 7), "-23° 26'"}, {FormatDegreesDMS(45.5), " 45°30' 0\""},
        {FormatDegreesDMS(2 + 20.0 / 60 + 14.0 / 3600), "  2°20'14\""},
        {FormatDegreesDMS(2 + 20.0 / 60 + 14.5 / 3600), "  2°20'15\""},
        {FormatDegreesDMS(21.0 / 60 + 3.5 / 3600), "  0°21' 4\""},  // a half second that falls just short
        // A minutes part of 59.5' or more stays in its degree; 59.5" carries.
        {FormatDegreesDMS(10 + 59.6 / 60), " 10°59'36\""},
        {FormatDegreesDMS(10 + 59.0 / 60 + 59.4 / 3600), " 10°59'59\""},
        {FormatDegreesDMS(10 + 59.0 / 60 + 59.5 / 3600), " 11° 0' 0\""},
        {FormatDegreesDMS(-(359 + 59.0 / 60 + 59.6 / 3600)), "360° 0' 0\""}, {FormatDegreesDMS(999.4), "999°24' 0\""},
        {FormatDegreesDMS(999.5), "---"},
        // Whatever a damaged record gives, a text keeps its column and shows neither
        // "nan", "inf" nor "-0": a value without a number or too wide shows "---".
        {FixedColumn(-0.04, 4, 1), " 0.0"}, {FixedColumn(-54.64, 6, 1), " -54.6"}, {FixedColumn(1e308, 4, 1), " ---"},
        {FixedColumn(100.0, 5, 3), "  ---"}, {FixedColumn(-INFINITY, 6, 1), "   ---"}, {FixedText(-0.04, 1), "0.0"},
        {FixedText(nan, 7), "---"}, {FormatRightAscension(nan), "      ---"},
        {FormatRightAscension(-1e-9), "  0  0.00"}, {FormatDeclination(nan, 0), "     ---"},
        {FormatDeclination(-1e-9, 0), "  0  0.0"}, {FormatDeclination(INFINITY, 1), "---"},
        {FormatDeclination(-1e-9, 1), "0° 0'"}, {FormatDegreesDMS(1e306), "---"},
        // Record numbers aligned in the lists.
        {ListEntryText(ListNumberIndent(7), 7, "Halley"), "    7    Halley"},
        {ListEntryText(ListNumberIndent(123), 123, "Encke"), "123    Encke"},
        {std::string(ListNumberIndent(10)) + "|" + std::string(ListNumberIndent(99)), "  |  "},
        {std::string(ShortListNumberIndent(9)) + "|" + std::string(ShortListNumberIndent(10)), "  |"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(text, expected);
}
