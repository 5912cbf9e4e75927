#include "core/Calendar.h"
#include "core/FieldParsers.h"
#include "platform/Messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kForgotten = "Étourdi ! Vous avez oublié de saisir une donnée !";
const std::string kInputError = "Erreur de saisie ! Recommencez !";
const std::string kInvalidDate = "Vous avez entré une date non valide.\n\nRecommencez !";
const std::string kDateFormat =
    "Erreur de saisie de la date.\nLe format est  jj / mm / [-] aaaa .\n\nRecommencez !";
const std::string kDecimalDateFormat =
    "Erreur de saisie de la date.\nLe format est  jj / mm / aaaa .\n\nRecommencez !";

// Exactly one box with this icon and text, or none when `text` is empty.
void ExpectOneMessage(const MessageRecorder& recorder, MessageIcon icon, const std::string& text)
{
    if (text.empty()) {
        EXPECT_TRUE(recorder.messages.empty()) << recorder.Texts();
        return;
    }
    ASSERT_EQ(recorder.messages.size(), 1u) << recorder.Texts();
    EXPECT_EQ(recorder.messages[0].icon, icon);
    EXPECT_EQ(recorder.messages[0].text, text);
    EXPECT_EQ(recorder.messages[0].caption, "Qav");
}

struct SexagesimalCase {
    const char* text;
    int kind;
    int status;
    double value;
    MessageIcon icon;
    std::string message;
};

} // namespace

TEST(ParseUnsignedInt, DigitsOnly)
{
    int value = -7;
    {
        MessageRecorder recorder;
        EXPECT_EQ(ParseUnsignedInt("0365", value), 1);
        EXPECT_EQ(value, 365);
        ExpectOneMessage(recorder, MessageIcon::Stop, "");
    }
    for (const char* bad : {"-3", "3.0", "+3", " 3", "12a", "99999999999"}) {
        MessageRecorder recorder;
        EXPECT_EQ(ParseUnsignedInt(bad, value), 0) << bad;
        ExpectOneMessage(recorder, MessageIcon::Stop, kInputError);
    }
    EXPECT_EQ(value, 365);  // a rejected text stores nothing
    MessageRecorder recorder;
    EXPECT_EQ(ParseUnsignedInt("", value), 0);
    ExpectOneMessage(recorder, MessageIcon::Warning, kForgotten);
}

TEST(ParseUnsignedReal, DigitsWithAtMostOnePoint)
{
    double value = 0;
    for (const auto& [text, expected] : {std::pair{"12.5", 12.5}, {"7", 7.0}, {".25", 0.25}, {"3.", 3.0}}) {
        MessageRecorder recorder;
        EXPECT_EQ(ParseUnsignedReal(text, value), 1) << text;
        EXPECT_EQ(value, expected);
        ExpectOneMessage(recorder, MessageIcon::Stop, "");
    }
    // A lone point has no digit: a format error, not a silent zero.
    for (const char* bad : {"1.2.3", "1e3", "-1", ".", "1,5"}) {
        MessageRecorder recorder;
        EXPECT_EQ(ParseUnsignedReal(bad, value), 0) << bad;
        ExpectOneMessage(recorder, MessageIcon::Stop, kInputError);
    }
    MessageRecorder recorder;
    EXPECT_EQ(ParseUnsignedReal("", value), 0);
    ExpectOneMessage(recorder, MessageIcon::Warning, kForgotten);
}

TEST(ParseSexagesimal, AcceptsAndRejects)
{
    const std::string minutes =
        "Erreur ! Les nombres de minutes et de\nsecondes doivent être inférieurs à 60.\n\nRecommencez !";
    const std::string latitude = "Erreur ! La latitude doit être comprise entre 90° et -90°.";
    const std::string longitude = "Erreur ! La longitude doit être comprise entre 180° et -180°.";
    const SexagesimalCase cases[] = {
        {"+45.3000", 1, 1, 45.5, MessageIcon::Stop, ""},
        {"-0.0030", 0, 1, -30.0 / 3600, MessageIcon::Stop, ""},
        {"-0.3000", 0, 1, -0.5, MessageIcon::Stop, ""},
        {"-10.3000", 2, 1, -10.5, MessageIcon::Stop, ""},
        {"90.0000", 1, 1, 90.0, MessageIcon::Stop, ""},
        {"-180.0000", 2, 1, -180.0, MessageIcon::Stop, ""},
        {"2.2014", 2, 1, 2 + 20.0 / 60 + 14.0 / 3600, MessageIcon::Stop, ""},
        {"45.30", 0, 0, 0, MessageIcon::Stop, kInputError},
        {"45.300000", 0, 0, 0, MessageIcon::Stop, kInputError},
        {"+", 0, 0, 0, MessageIcon::Stop, kInputError},
        {"+.3000", 0, 0, 0, MessageIcon::Stop, kInputError},
        {".3000", 0, 0, 0, MessageIcon::Stop, kInputError},
        {"4a.3000", 0, 0, 0, MessageIcon::Stop, kInputError},
        {"45.6000", 0, -1, 0, MessageIcon::Stop, minutes},
        {"45.0060", 0, -1, 0, MessageIcon::Stop, minutes},
        {"91.0000", 1, -1, 91.0, MessageIcon::Stop, latitude},
        {"-180.0001", 2, -1, -(180 + 1.0 / 3600), MessageIcon::Stop, longitude},
        {"", 1, -1, 0, MessageIcon::Warning, kForgotten},
    };
    for (const SexagesimalCase& c : cases) {
        MessageRecorder recorder;
        double value = 0;
        EXPECT_EQ(ParseSexagesimal(c.text, value, c.kind), c.status) << c.text;
        EXPECT_NEAR(value, c.value, 1e-12) << c.text;  // written before the range check
        ExpectOneMessage(recorder, c.icon, c.message);
    }
}

TEST(ParseDecimalDate, DayWithFractionToDayNumber)
{
    for (const auto& [text, expected] : {std::pair{"31.75/12/2004", DayNumberFromDate(31.75, 12, 2004)},
                                         {"29/2/2000", 36583.5},
                                         {"1.5/01/2000", 36525.0},
                                         {"29/2/1500", DayNumberFromDate(29, 2, 1500)},
                                         {"4.9/10/1582", DayNumberFromDate(4.9, 10, 1582)}}) {
        MessageRecorder recorder;
        double value = 0;
        EXPECT_EQ(ParseDecimalDate(text, value), 1) << text;
        EXPECT_EQ(value, expected) << text;
        ExpectOneMessage(recorder, MessageIcon::Stop, "");
    }
    for (const char* invalid : {"29/2/1900", "10/10/1582", "32/1/2000", "0.5/1/2000", "1/13/2000", "1/1/99999999999"}) {
        MessageRecorder recorder;
        double value = -1;
        EXPECT_EQ(ParseDecimalDate(invalid, value), -1) << invalid;
        EXPECT_EQ(value, -1);
        ExpectOneMessage(recorder, MessageIcon::Stop, kInvalidDate);
    }
    for (const char* format : {"12/5", "1/1/-5", "1/1/2000/", "1.2.3/1/2000", "/1/2000", "1//2000", "./1/2000"}) {
        MessageRecorder recorder;
        double value = 0;
        EXPECT_EQ(ParseDecimalDate(format, value), 0) << format;
        ExpectOneMessage(recorder, MessageIcon::Stop, kDecimalDateFormat);
    }
    MessageRecorder recorder;
    double value = 0;
    EXPECT_EQ(ParseDecimalDate("", value), -1);
    ExpectOneMessage(recorder, MessageIcon::Stop, "");
}

TEST(ParseDate, DayMonthAndSignedYear)
{
    int day = 0, month = 0, year = 0;
    for (const char* good : {"1/1/-500", "29/2/2004", "15/10/1582", "29/02/-4"}) {
        MessageRecorder recorder;
        EXPECT_EQ(ParseDate(good, day, month, year), 1) << good;
        ExpectOneMessage(recorder, MessageIcon::Stop, "");
    }
    EXPECT_EQ(day, 29);
    EXPECT_EQ(month, 2);
    EXPECT_EQ(year, -4);

    for (const char* format : {"1/-1/500", "1/1/5-00", "1/1/--5", "1/1/-", "/1/2000", "1/1", "1 /1/2000"}) {
        MessageRecorder recorder;
        EXPECT_EQ(ParseDate(format, day, month, year), 0) << format;
        ExpectOneMessage(recorder, MessageIcon::Stop, kDateFormat);
    }

    // An invalid date keeps the numbers that were read.
    for (const char* invalid : {"31/4/2004", "5/10/1582", "29/2/1900", "0/1/2000"}) {
        MessageRecorder recorder;
        EXPECT_EQ(ParseDate(invalid, day, month, year), -1) << invalid;
        ExpectOneMessage(recorder, MessageIcon::Stop, kInvalidDate);
    }
    EXPECT_EQ(day, 0);
    EXPECT_EQ(month, 1);
    EXPECT_EQ(year, 2000);

    MessageRecorder recorder;
    EXPECT_EQ(ParseDate("3/4/99999999999", day, month, year), -1);
    EXPECT_EQ(year, 2000);  // too large for an int: not stored
    recorder.Clear();
    EXPECT_EQ(ParseDate("", day, month, year), -1);
    ExpectOneMessage(recorder, MessageIcon::Stop, "");
}
