#include "export/Csv.h"

#include "core/CFormat.h"
#include "core/NumberText.h"

#include <cmath>

std::string CsvText(std::string_view utf8)
{
    if (utf8.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(utf8);
    std::string quoted = "\"";
    for (const char c : utf8) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string CsvInstant(DayNumber instant)
{
    if (!std::isfinite(instant) || std::fabs(instant) > 1e7)
        return {};
    // Whole seconds from 0h UT of the day; the date of that day's 0h.
    const double seconds = std::round((instant - 0.5) * 86400);
    const double days = std::floor(seconds / 86400);
    const long long inDay = static_cast<long long>(seconds - days * 86400);
    const CalendarDate date = CalendarDateFromDayNumber(days + 0.5);
    return CsvDate(static_cast<int>(std::floor(date.day)), date.month, date.year) +
           FormatC("T%02lld:%02lld:%02lldZ", inDay / 3600, inDay / 60 % 60, inDay % 60);
}

std::string CsvDate(int day, int month, int year)
{
    // Years before 1 keep four digits after their sign: "-0500-03-01".
    return (year < 0 ? FormatC("-%04d", -year) : FormatC("%04d", year)) + FormatC("-%02d-%02d", month, day);
}

std::string CsvNumber(double value, int decimals)
{
    // No quantity of these files comes near 1e12; a value beyond it comes from
    // a damaged record and would make a line of hundreds of digits.
    return std::isfinite(value) && std::fabs(value) < 1e12 ? FixedText(value, decimals) : std::string();
}
