// The readers of the typed fields and of qav-cli's values: numbers, angles,
// dates and the diagram month. The first byte picks the reader, the rest is
// the text. An accepted value is in range and reads back from its own text;
// a refusal shows exactly one message (none for an empty date).

#include "FuzzChecks.h"

#include "core/CFormat.h"
#include "core/Calendar.h"
#include "core/DateRange.h"
#include "core/FieldParsers.h"
#include "diagram/DiagramMonth.h"
#include "platform/Messages.h"

#include <cmath>
#include <cstdlib>

namespace {

void RequireOneMessage(const MessageRecorder& messages, std::size_t expected)
{
    Require(messages.messages.size() == expected, "one message per refusal");
    for (const Message& message : messages.messages)
        RequireShowable(message.text, "no nan in a message");
}

bool Digits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

void UnsignedInt(std::string_view text)
{
    MessageRecorder messages;
    int value = -1;
    if (ParseUnsignedInt(text, value) != 1) {
        Require(value == -1, "a refused number is not stored");
        return RequireOneMessage(messages, 1);
    }
    Require(Digits(text) && value >= 0, "digits only, not negative", text);
    int again = -1;
    Require(ParseUnsignedInt(FormatC("%d", value), again) == 1 && again == value, "reads back", text);
}

void UnsignedReal(std::string_view text)
{
    MessageRecorder messages;
    double value = -1;
    if (ParseUnsignedReal(text, value) != 1)
        return RequireOneMessage(messages, 1);
    Require(std::isfinite(value) && value >= 0, "finite, not negative", text);
    Require(text.find_first_not_of("0123456789.") == std::string_view::npos, "digits and a point only", text);
    // The C library's reading of the same text, in the "C" locale of this process.
    Require(value == std::strtod(std::string(text).c_str(), nullptr), "the value of the text", text);
}

void Sexagesimal(std::string_view text, int kind)
{
    MessageRecorder messages;
    double value = 0;
    const int status = ParseSexagesimal(text, value, kind);
    if (status != 1)
        return RequireOneMessage(messages, 1);
    Require(std::isfinite(value), "finite");
    Require(kind != kLatitude || std::fabs(value) <= 90, "a latitude within 90 degrees", text);
    Require(kind != kLongitude || std::fabs(value) <= 180, "a longitude within 180 degrees", text);
    // [sign]d.mmss by hand: d + mm/60 + ss/3600.
    const bool negative = text.front() == '-';
    const std::string_view body = text.front() == '-' || text.front() == '+' ? text.substr(1) : text;
    const std::size_t point = body.find('.');
    const double degrees = std::strtod(std::string(body.substr(0, point)).c_str(), nullptr);
    const double minutes = std::atoi(std::string(body.substr(point + 1, 2)).c_str());
    const double seconds = std::atoi(std::string(body.substr(point + 3, 2)).c_str());
    const double expected = (negative ? -1 : 1) * (degrees + minutes / 60 + seconds / 3600);
    Require(std::fabs(value - expected) <= 1e-9 * std::max(1.0, std::fabs(expected)), "d + mm/60 + ss/3600", text);
}

void DecimalDate(std::string_view text)
{
    MessageRecorder messages;
    double value = 0;
    const int status = ParseDecimalDate(text, value);
    if (status != 1)
        return RequireOneMessage(messages, text.empty() ? 0 : 1);
    Require(IsSupportedDayNumber(value), "a date of the supported years", text);
    // The text shown for it reads back to the same instant, to its 0.00001 day
    // (the last instants of 9999 round up into the next year). The day-number
    // formula truncates its year quotients, so this holds from year 1 on.
    if (std::atoi(std::string(text.substr(text.rfind('/') + 1)).c_str()) < 1)
        return;
    const std::string shown = FormatCalendarDate(value);
    double again = 0;
    if (ParseDecimalDate(shown, again) == 1)
        Require(std::fabs(again - value) <= 0.6e-5, "the date shown reads back", shown);
    else
        Require(shown.find("/1/10000") != std::string::npos, "the date shown reads back", shown);
}

void Date(std::string_view text)
{
    MessageRecorder messages;
    int day = 0, month = 0, year = 0;
    const int status = ParseDate(text, day, month, year);
    if (status != 1)
        return RequireOneMessage(messages, text.empty() ? 0 : 1);
    Require(month >= 1 && month <= 12 && day >= 1 && day <= 31 && IsSupportedYear(year), "a date in range", text);
    int d = 0, m = 0, y = 0;
    Require(ParseDate(FormatC("%d/%d/%d", day, month, year), d, m, y) == 1 && d == day && m == month && y == year,
            "reads back", text);
}

void DiagramMonth(std::string_view text)
{
    int month = 0, year = 0;
    if (!ReadDiagramMonth(text, month, year))
        return;
    Require(month >= 1 && month <= 12, "a month of the year", text);
    Require(text.find_first_not_of("0123456789/-") == std::string_view::npos, "digits, a slash and a sign", text);
    int m = 0, y = 0;
    Require(ReadDiagramMonth(FormatC("%d/%d", month, year), m, y) && m == month && y == year, "reads back", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t reader = input.Byte();
    const std::string_view text = input.Rest();
    switch (reader % 7) {
    case 0: UnsignedInt(text); break;
    case 1: UnsignedReal(text); break;
    case 2: Sexagesimal(text, kLatitude); break;
    case 3: Sexagesimal(text, kLongitude); break;
    case 4: DecimalDate(text); break;
    case 5: Date(text); break;
    default: DiagramMonth(text); break;
    }
    return 0;
}
