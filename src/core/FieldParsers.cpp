#include "core/FieldParsers.h"

#include "core/Calendar.h"
#include "core/CFormat.h"
#include "core/DateRange.h"
#include "platform/Messages.h"

#include <cmath>

namespace {

constexpr std::string_view kForgotten = "Étourdi ! Vous avez oublié de saisir une donnée !";
constexpr std::string_view kInputError = "Erreur de saisie ! Recommencez !";
constexpr std::string_view kMinutesSeconds =
    "Erreur ! Les nombres de minutes et de\nsecondes doivent être inférieurs à 60.\n\nRecommencez !";
constexpr std::string_view kLatitudeRange = "Erreur ! La latitude doit être comprise entre 90° et -90°.";
constexpr std::string_view kLongitudeRange = "Erreur ! La longitude doit être comprise entre 180° et -180°.";
constexpr std::string_view kDecimalDateFormat =
    "Erreur de saisie de la date.\nLe format est  jj / mm / aaaa .\n\nRecommencez !";
constexpr std::string_view kDateFormat =
    "Erreur de saisie de la date.\nLe format est  jj / mm / [-] aaaa .\n\nRecommencez !";
constexpr std::string_view kInvalidDate = "Vous avez entré une date non valide.\n\nRecommencez !";

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text)
{
    for (const char c : text)
        if (!IsDigit(c))
            return false;
    return true;
}

// The three slash-separated parts of a date text, or false when there are not
// exactly two slashes.
bool SplitDate(std::string_view text, std::string_view parts[3])
{
    const std::size_t first = text.find('/');
    if (first == std::string_view::npos)
        return false;
    const std::size_t second = text.find('/', first + 1);
    if (second == std::string_view::npos || text.find('/', second + 1) != std::string_view::npos)
        return false;
    parts[0] = text.substr(0, first);
    parts[1] = text.substr(first + 1, second - first - 1);
    parts[2] = text.substr(second + 1);
    return true;
}

// Day with at most one point, and at least one digit.
bool IsDecimalDay(std::string_view day)
{
    int points = 0;
    bool digit = false;
    for (const char c : day) {
        if (c == '.')
            ++points;
        else if (IsDigit(c))
            digit = true;
        else
            return false;
    }
    return digit && points <= 1;
}

bool IsWholeNumber(std::string_view part)
{
    return !part.empty() && AllDigits(part);
}

} // namespace

int ParseUnsignedInt(std::string_view text, int& value)
{
    if (text.empty()) {
        ShowMessage(MessageIcon::Warning, kForgotten);
        return 0;
    }
    int read = 0;
    if (!AllDigits(text) || !ScanInt(text, read)) {
        ShowMessage(MessageIcon::Stop, kInputError);
        return 0;
    }
    value = read;
    return 1;
}

int ParseUnsignedReal(std::string_view text, double& value)
{
    if (text.empty()) {
        ShowMessage(MessageIcon::Warning, kForgotten);
        return 0;
    }
    double read = 0.0;
    if (!IsDecimalDay(text) || !ScanReal(text, read) || !std::isfinite(read)) {
        ShowMessage(MessageIcon::Stop, kInputError);
        return 0;
    }
    value = read;
    return 1;
}

int ParseSexagesimal(std::string_view text, double& value, int kind)
{
    if (text.empty()) {
        ShowMessage(MessageIcon::Warning, kForgotten);
        return -1;
    }
    const bool negative = text.front() == '-';
    const std::string_view unsignedText = text.front() == '+' || negative ? text.substr(1) : text;
    // d.mmss: the point stands five characters from the end, with at least one
    // digit of degrees before it.
    const std::size_t point = unsignedText.find('.');
    if (unsignedText.size() < 6 || point != unsignedText.size() - 5 ||
        !AllDigits(unsignedText.substr(0, point)) || !AllDigits(unsignedText.substr(point + 1))) {
        ShowMessage(MessageIcon::Stop, kInputError);
        return 0;
    }
    double degrees = 0.0;
    if (!ScanReal(unsignedText.substr(0, point), degrees) || !std::isfinite(degrees)) {
        ShowMessage(MessageIcon::Stop, kInputError);
        return 0;
    }
    const std::string_view digits = unsignedText.substr(point + 1);
    const int minutes = (digits[0] - '0') * 10 + (digits[1] - '0');
    const int seconds = (digits[2] - '0') * 10 + (digits[3] - '0');
    if (minutes > 59 || seconds >= 60) {
        ShowMessage(MessageIcon::Stop, kMinutesSeconds);
        return -1;
    }
    // The sign applies to the whole angle: -0.3000 is -0.5 degree.
    const double sign = negative ? -1.0 : 1.0;
    value = sign * (seconds * 0.0002777777777777778 + minutes * 0.016666666666666666 + degrees);
    if (kind == kLatitude && std::fabs(value) > 90) {
        ShowMessage(MessageIcon::Stop, kLatitudeRange);
        return -1;
    }
    if (kind == kLongitude && std::fabs(value) > 180) {
        ShowMessage(MessageIcon::Stop, kLongitudeRange);
        return -1;
    }
    return 1;
}

int ParseDecimalDate(std::string_view text, double& dayNumber)
{
    if (text.empty())
        return -1;
    std::string_view parts[3];
    if (!SplitDate(text, parts) || !IsDecimalDay(parts[0]) || !IsWholeNumber(parts[1]) ||
        !IsWholeNumber(parts[2])) {
        ShowMessage(MessageIcon::Stop, kDecimalDateFormat);
        return 0;
    }
    double day = 0.0;
    int month = 0;
    int year = 0;
    const bool read = ScanReal(parts[0], day) && ScanInt(parts[1], month) && ScanInt(parts[2], year);
    const bool valid = read && month >= 1 && month <= 12 && day >= 1 &&
                       day < MonthLength(month, IsGregorianLeapYear(year)) + 1;
    if (!valid) {
        ShowMessage(MessageIcon::Stop, kInvalidDate);
        return -1;
    }
    if (!IsSupportedYear(year)) {
        ShowMessage(MessageIcon::Stop, YearRangeText());
        return -1;
    }
    dayNumber = DayNumberFromDate(day, month, year);
    return 1;
}

int ParseDate(std::string_view text, int& day, int& month, int& year)
{
    if (text.empty())
        return -1;
    std::string_view parts[3];
    const bool yearSign = SplitDate(text, parts) && !parts[2].empty() && parts[2].front() == '-';
    if (!SplitDate(text, parts) || !IsWholeNumber(parts[0]) || !IsWholeNumber(parts[1]) ||
        !IsWholeNumber(yearSign ? parts[2].substr(1) : parts[2])) {
        ShowMessage(MessageIcon::Stop, kDateFormat);
        return 0;
    }
    // Each number is stored as soon as it is read; one too large for an int
    // is not stored and makes the date invalid.
    const bool dayRead = ScanInt(parts[0], day);
    const bool monthRead = ScanInt(parts[1], month);
    const bool yearRead = ScanInt(parts[2], year);
    const bool valid = dayRead && monthRead && yearRead && month >= 1 && month <= 12 && day >= 1 &&
                       day <= MonthLength(month, IsGregorianLeapYear(year));
    if (!valid) {
        ShowMessage(MessageIcon::Stop, kInvalidDate);
        return -1;
    }
    if (!IsSupportedYear(year)) {
        ShowMessage(MessageIcon::Stop, YearRangeText());
        return -1;
    }
    return 1;
}
