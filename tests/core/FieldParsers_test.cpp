#include "core/Calendar.h"
#include "core/FieldParsers.h"
#include "platform/Messages.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

const std::string kForgotten = "Étourdi ! Vous avez oublié de saisir une donnée !";
const std::string kInputError = "Erreur de saisie ! Recommencez !";
const std::string kInvalidDate = "Vous avez entré une date non valide.\n\nRecommencez !";

// Runs `parse`, expects `status` and exactly the one box given (none when
// `text` is empty); the caption is always "Qav".
void ExpectParse(const std::function<int()>& parse, int status, MessageIcon icon, const std::string& text,
                 const std::string& input)
{
    MessageRecorder recorder;
    EXPECT_EQ(parse(), status) << input;
    if (text.empty()) {
        EXPECT_TRUE(recorder.messages.empty()) << input << ": " << recorder.Texts();
        return;
    }
    ASSERT_EQ(recorder.messages.size(), 1u) << input;
    EXPECT_EQ(recorder.messages[0].icon, icon) << input;
    EXPECT_EQ(recorder.messages[0].text, text) << input;
    EXPECT_EQ(recorder.messages[0].caption, "Qav");
}

} // namespace

TEST(ParseUnsignedNumbers, AcceptDigitsAndRejectTheRest)
{
    int count = -7;
    ExpectParse([&] { return ParseUnsignedInt("0365", count); }, 1, MessageIcon::Stop, "", "0365");
    EXPECT_EQ(count, 365);
    for (const char* bad : {"-3", "3.0", " 3", "99999999999"})
        ExpectParse([&] { return ParseUnsignedInt(bad, count); }, 0, MessageIcon::Stop, kInputError, bad);
    ExpectParse([&] { return ParseUnsignedInt("", count); }, 0, MessageIcon::Warning, kForgotten, "");
    EXPECT_EQ(count, 365);  // nothing stored on failure

    double real = 0;
    ExpectParse([&] { return ParseUnsignedReal("12.5", real); }, 1, MessageIcon::Stop, "", "12.5");
    EXPECT_EQ(real, 12.5);
    // A lone point has no digit: a format error, not a silent zero.
    for (const char* bad : {"1.2.3", "1e3", "-1", ".", "1,5"})
        ExpectParse([&] { return ParseUnsignedReal(bad, real); }, 0, MessageIcon::Stop, kInputError, bad);
}

TEST(ParseSexagesimal, SignDegreesMinutesSeconds)
{
    const std::string minutes =
        "Erreur ! Les nombres de minutes et de\nsecondes doivent être inférieurs à 60.\n\nRecommencez !";
    const std::string latitude = "Erreur ! La latitude doit être comprise entre 90° et -90°.";
    const std::string longitude = "Erreur ! La longitude doit être comprise entre 180° et -180°.";
    const struct {
        const char* text;
        int kind, status;
        double value;
        std::string message;
    } cases[] = {
        {"+45.3000", 1, 1, 45.5, ""},
        {"-0.0030", 0, 1, -30.0 / 3600, ""},
        {"-0.3000", 0, 1, -0.5, ""},
        {"-10.3000", 2, 1, -10.5, ""},
        {"-180.0000", 2, 1, -180.0, ""},
        {"45.30", 0, 0, 0, kInputError},
        {"45.300000", 0, 0, 0, kInputError},
        {"+", 0, 0, 0, kInputError},
        {"+.3000", 0, 0, 0, kInputError},  // no digit before the point
        {"45.6000", 0, -1, 0, minutes},
        {"91.0000", 1, -1, 91.0, latitude},  // the value is written before the range check
        {"-180.0001", 2, -1, -(180 + 1.0 / 3600), longitude},
    };
    for (const auto& c : cases) {
        double value = 0;
        ExpectParse([&] { return ParseSexagesimal(c.text, value, c.kind); }, c.status, MessageIcon::Stop, c.message,
                    c.text);
        EXPECT_NEAR(value, c.value, 1e-12) << c.text;
    }
    double value = 0;
    ExpectParse([&] { return ParseSexagesimal("", value, 1); }, -1, MessageIcon::Warning, kForgotten, "");
}

TEST(ParseDecimalDate, DayWithFractionToDayNumber)
{
    const std::string format = "Erreur de saisie de la date.\nLe format est  jj / mm / aaaa .\n\nRecommencez !";
    double value = 0;
    // One Gregorian calendar for every year: 29 February 1500 never existed,
    // 10 October 1582 did.
    for (const char* good : {"31.75/12/2004", "29/2/2000", "29/2/1600", "10/10/1582", "4.9/10/1582"})
        ExpectParse([&] { return ParseDecimalDate(good, value); }, 1, MessageIcon::Stop, "", good);
    EXPECT_EQ(value, DayNumberFromDate(4.9, 10, 1582));
    for (const char* invalid : {"29/2/1900", "29/2/1500", "29/2/1700", "0.5/1/2000", "1/13/2000", "1/1/99999999999"})
        ExpectParse([&] { return ParseDecimalDate(invalid, value); }, -1, MessageIcon::Stop, kInvalidDate, invalid);
    for (const char* bad : {"12/5", "1/1/-5", "1.2.3/1/2000", "/1/2000", "1//2000", "./1/2000"})
        ExpectParse([&] { return ParseDecimalDate(bad, value); }, 0, MessageIcon::Stop, format, bad);
    ExpectParse([&] { return ParseDecimalDate("", value); }, -1, MessageIcon::Stop, "", "");
    EXPECT_EQ(value, DayNumberFromDate(4.9, 10, 1582));
}

TEST(ParseDate, DayMonthAndSignedYear)
{
    const std::string format = "Erreur de saisie de la date.\nLe format est  jj / mm / [-] aaaa .\n\nRecommencez !";
    int day = 0, month = 0, year = 0;
    for (const char* good : {"29/2/2004", "15/10/1582", "5/10/1582", "29/2/-4", "1/1/-500"})
        ExpectParse([&] { return ParseDate(good, day, month, year); }, 1, MessageIcon::Stop, "", good);
    EXPECT_EQ(year, -500);
    for (const char* bad : {"1/-1/500", "1/1/5-00", "1/1/--5", "1/1/-", "/1/2000", "1/1"})
        ExpectParse([&] { return ParseDate(bad, day, month, year); }, 0, MessageIcon::Stop, format, bad);
    for (const char* invalid : {"31/4/2004", "29/2/1500", "29/2/-100", "0/1/2000"})
        ExpectParse([&] { return ParseDate(invalid, day, month, year); }, -1, MessageIcon::Stop, kInvalidDate, invalid);
    // The numbers read stay stored; one too large for an int is not stored.
    EXPECT_EQ(day, 0);
    EXPECT_EQ(month, 1);
    ExpectParse([&] { return ParseDate("3/4/99999999999", day, month, year); }, -1, MessageIcon::Stop, kInvalidDate,
                "overflow");
    EXPECT_EQ(year, 2000);
    ExpectParse([&] { return ParseDate("", day, month, year); }, -1, MessageIcon::Stop, "", "");
}

// The Sun theory holds for a few thousand years and the tables print four
// characters of year: the years -999 to 9999, the same for both date readers.
TEST(ParseDates, YearsBeyondTheComputationsAreRefused)
{
    const std::string range = "Erreur ! L'année doit être comprise entre -999 et 9999.\n\nRecommencez !";
    int day = 0, month = 0, year = 0;
    double value = 0;
    // (Bindings of a structured declaration cannot be captured by clang 14.)
    for (const auto& c : {std::pair{"1/1/-999", 1}, {"31/12/9999", 1}, {"1/1/10000", -1}, {"1/1/-1000", -1}})
        ExpectParse([&] { return ParseDate(c.first, day, month, year); }, c.second, MessageIcon::Stop,
                    c.second == 1 ? "" : range, c.first);
    for (const auto& c : {std::pair{"31.99/12/9999", 1}, {"1/1/300000", -1}})
        ExpectParse([&] { return ParseDecimalDate(c.first, value); }, c.second, MessageIcon::Stop,
                    c.second == 1 ? "" : range, c.first);
}
