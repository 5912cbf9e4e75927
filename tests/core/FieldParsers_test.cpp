// The dialog fields' readers: status, stored value and the one message box.

#include "core/Calendar.h"
#include "core/FieldParsers.h"
#include "platform/Messages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const std::string forgotten = "Étourdi ! Vous avez oublié de saisir une donnée !";
const std::string input = "Erreur de saisie ! Recommencez !";
const std::string invalid = "Vous avez entré une date non valide.\n\nRecommencez !";
const std::string minutes =
    "Erreur ! Les nombres de minutes et de\nsecondes doivent être inférieurs à 60.\n\nRecommencez !";
const std::string latitude = "Erreur ! La latitude doit être comprise entre 90° et -90°.";
const std::string longitude = "Erreur ! La longitude doit être comprise entre 180° et -180°.";
const std::string format = "Erreur de saisie de la date.\nLe format est  jj / mm / aaaa .\n\nRecommencez !";
const std::string signedFormat =
    "Erreur de saisie de la date.\nLe format est  jj / mm / [-] aaaa .\n\nRecommencez !";
// The Sun theory holds for a few thousand years and the tables print four
// characters of year: the years -999 to 9999, the same for both date readers.
const std::string years = "Erreur ! L'année doit être comprise entre -999 et 9999.\n\nRecommencez !";

// A reader: its status, and the value it stores (-7 when it stores none).
using Reader = int (*)(const char* text, double& value);
int Integer(const char* text, double& value)
{
    int n = -7;
    const int status = ParseUnsignedInt(text, n);
    value = n;
    return status;
}
int Real(const char* text, double& value) { return ParseUnsignedReal(text, value); }
int Angle(const char* text, double& value) { return ParseSexagesimal(text, value, 0); }
int Latitude(const char* text, double& value) { return ParseSexagesimal(text, value, kLatitude); }
int Longitude(const char* text, double& value) { return ParseSexagesimal(text, value, kLongitude); }
int Decimal(const char* text, double& value) { return ParseDecimalDate(text, value); }
int Year(const char* text, double& value)  // the year of a date
{
    int day = 0, month = 0, year = -7;
    const int status = ParseDate(text, day, month, year);
    value = year;
    return status;
}

struct Result {
    int status;
    double value;
    std::string message;
};

// One box at most, captioned "Qav": a warning for a forgotten field, a stop otherwise.
Result Read(Reader reader, const char* text)
{
    MessageRecorder recorder;
    Result result{0, -7, ""};
    result.status = reader(text, result.value);
    EXPECT_LE(recorder.messages.size(), 1u) << text;
    if (!recorder.messages.empty()) {
        result.message = recorder.messages[0].text;
        EXPECT_EQ(recorder.messages[0].caption, "Qav");
        EXPECT_EQ(recorder.messages[0].icon, result.message == forgotten ? MessageIcon::Warning : MessageIcon::Stop);
    }
    return result;
}

} // namespace

TEST(FieldParsers, StatusValueAndMessage)
{
    const double kept = -7;  // nothing stored
    const auto day = DayNumberFromDate;
    const std::tuple<Reader, const char*, Result> cases[] = {
        {Integer, "0365", {1, 365, ""}},
        {Integer, "-3", {0, kept, input}},  // nothing stored on failure
        {Integer, "3.0", {0, kept, input}}, {Integer, " 3", {0, kept, input}}, {Integer, "99999999999", {0, kept, input}},
        {Integer, "", {0, kept, forgotten}}, {Real, "12.5", {1, 12.5, ""}},
        // A lone point has no digit: a format error, not a silent zero.
        {Real, ".", {0, kept, input}}, {Real, "1.2.3", {0, kept, input}}, {Real, "1e3", {0, kept, input}},
        {Real, "-1", {0, kept, input}}, {Real, "1,5", {0, kept, input}}, {Latitude, "+45.3000", {1, 45.5, ""}},
        {Angle, "-0.0030", {1, -30.0 / 3600, ""}}, {Angle, "-0.3000", {1, -0.5, ""}},
        {Longitude, "-10.3000", {1, -10.5, ""}}, {Longitude, "-180.0000", {1, -180.0, ""}},
        {Angle, "45.30", {0, kept, input}}, {Angle, "45.300000", {0, kept, input}}, {Angle, "+", {0, kept, input}},
        {Angle, "+.3000", {0, kept, input}},  // no digit before the point
        {Angle, "45.6000", {-1, kept, minutes}}, {Angle, "45.0060", {-1, kept, minutes}},
        {Latitude, "91.0000", {-1, 91.0, latitude}},  // the value is written before the range check
        {Latitude, "-90.0000", {1, -90.0, ""}}, {Longitude, "-180.0001", {-1, -(180 + 1.0 / 3600), longitude}},
        {Latitude, "", {-1, kept, forgotten}},
        // One Gregorian calendar for every year: 29 February 1500 never existed, 10 October 1582 did.
        {Decimal, "31.75/12/2004", {1, day(31.75, 12, 2004), ""}}, {Decimal, "29/2/2000", {1, day(29, 2, 2000), ""}},
        {Decimal, "29/2/1600", {1, day(29, 2, 1600), ""}}, {Decimal, "4.9/10/1582", {1, day(4.9, 10, 1582), ""}},
        {Decimal, "10/10/1582", {1, day(10, 10, 1582), ""}}, {Decimal, "31.99/12/9999", {1, day(31.99, 12, 9999), ""}},
        {Decimal, "29/2/1900", {-1, kept, invalid}}, {Decimal, "29/2/1500", {-1, kept, invalid}},
        {Decimal, "29/2/1700", {-1, kept, invalid}}, {Decimal, "0.5/1/2000", {-1, kept, invalid}},
        {Decimal, "1/13/2000", {-1, kept, invalid}}, {Decimal, "1/1/99999999999", {-1, kept, invalid}},
        {Decimal, "1/1/300000", {-1, kept, years}}, {Decimal, "12/5", {0, kept, format}},
        {Decimal, "1/1/-5", {0, kept, format}}, {Decimal, "1.2.3/1/2000", {0, kept, format}},
        {Decimal, "/1/2000", {0, kept, format}}, {Decimal, "1//2000", {0, kept, format}},
        {Decimal, "./1/2000", {0, kept, format}}, {Decimal, "", {-1, kept, ""}}, {Year, "29/2/2004", {1, 2004, ""}},
        {Year, "15/10/1582", {1, 1582, ""}}, {Year, "5/10/1582", {1, 1582, ""}}, {Year, "29/2/-4", {1, -4, ""}},
        {Year, "1/1/-999", {1, -999, ""}}, {Year, "31/12/9999", {1, 9999, ""}},
        {Year, "1/1/10000", {-1, 10000, years}}, {Year, "1/1/-1000", {-1, -1000, years}},
        {Year, "31/4/2004", {-1, 2004, invalid}},  // the numbers read stay stored
        {Year, "29/2/1500", {-1, 1500, invalid}}, {Year, "29/2/-100", {-1, -100, invalid}},
        {Year, "0/1/2000", {-1, 2000, invalid}},
        {Year, "3/4/99999999999", {-1, kept, invalid}},  // too large for an int: not stored
        {Year, "1/-1/500", {0, kept, signedFormat}}, {Year, "1/1/5-00", {0, kept, signedFormat}},
        {Year, "1/1/--5", {0, kept, signedFormat}}, {Year, "1/1/-", {0, kept, signedFormat}},
        {Year, "/1/2000", {0, kept, signedFormat}}, {Year, "1/1", {0, kept, signedFormat}},
        {Year, "", {-1, kept, ""}},
    };
    for (const auto& [reader, text, expected] : cases) {
        const Result got = Read(reader, text);
        EXPECT_EQ(got.status, expected.status) << text;
        EXPECT_NEAR(got.value, expected.value, 1e-12) << text;
        EXPECT_EQ(got.message, expected.message) << text;
    }
}
