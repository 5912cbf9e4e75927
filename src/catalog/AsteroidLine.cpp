#include "catalog/AsteroidLine.h"

#include "core/CFormat.h"
#include "core/Calendar.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

// The columns of one line.
struct Field {
    std::size_t offset;
    std::size_t width;
};
constexpr Field kNumber{2, 4};
constexpr Field kEquinox{6, 4};
constexpr Field kEpoch{10, 8};
constexpr Field kMeanAnomaly{18, 10};
constexpr Field kArgPerihelion{28, 10};
constexpr Field kAscendingNode{38, 10};
constexpr Field kInclination{48, 10};
constexpr Field kEccentricity{58, 10};
constexpr Field kMeanMotion{68, 12};
constexpr Field kAbsoluteMagnitude{80, 6};
constexpr Field kSlopeParameter{86, 5};
constexpr Field kName{91, 17};

// The bytes of a field, as a C string would hold them: up to the first NUL.
std::string FieldOf(std::string_view line, Field field)
{
    std::string text(field.width, ' ');
    if (field.offset < line.size())
        text.replace(0, std::min(field.width, line.size() - field.offset), line.substr(field.offset, field.width));
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos)
        text.resize(nul);
    return text;
}

// One number between blanks, or NaN: "1.5x", "1 5", "nan" and a blank field
// have no value.
template <typename Number>
Number FieldValue(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    Number value = std::numeric_limits<Number>::quiet_NaN();
    if (first == std::string::npos)
        return value;
    const char* begin = text.data() + first + (text[first] == '+' ? 1 : 0);
    const char* end = text.data() + last + 1;
    Number read{};
    const auto [stop, error] = std::from_chars(begin, end, read);
    if (error == std::errc() && stop == end && std::isfinite(read))
        value = read;
    return value;
}

} // namespace

std::string AsteroidEntryText(std::string_view line)
{
    std::string entry(24, ' ');
    const std::string name = FieldOf(line, kName);
    entry.replace(0, name.size(), name);
    for (std::size_t i = 0; i < kNumber.width && kNumber.offset + i < line.size(); ++i)
        if (line[kNumber.offset + i] != '\0')
            entry[20 + i] = line[kNumber.offset + i];
    return entry;
}

int AsteroidEntryNumber(std::string_view entry)
{
    int number = 0;
    if (entry.size() < 24 || !ScanInt(entry.substr(20, 4), number))
        return 0;
    return number;
}

void ConvertAsteroidLine(std::string_view line, int number, AsteroidRecord& record)
{
    AsteroidFieldTexts& texts = record.fieldTexts;

    const std::string epoch = FieldOf(line, kEpoch);
    int year = 0, month = 0, day = 0;
    if (std::sscanf(epoch.c_str(), "%4d%2d%2d", &year, &month, &day) == 3 && day >= 1 &&
        day <= MonthLength(month, IsGregorianLeapYear(year))) {
        texts.epoch = FormatC("%2d/%2d/%4d", day, month, year);
        record.epoch = DayNumberFromDate(day, month, year);
    } else {
        texts.epoch = epoch;
        record.epoch = std::numeric_limits<double>::quiet_NaN();
    }

    texts.equinox = FieldOf(line, kEquinox);
    texts.meanAnomaly = FieldOf(line, kMeanAnomaly);
    texts.argPerihelion = FieldOf(line, kArgPerihelion);
    texts.ascendingNode = FieldOf(line, kAscendingNode);
    texts.inclination = FieldOf(line, kInclination);
    texts.eccentricity = FieldOf(line, kEccentricity);
    texts.meanMotion = FieldOf(line, kMeanMotion);
    texts.absoluteMagnitude = FieldOf(line, kAbsoluteMagnitude);
    texts.slopeParameter = FieldOf(line, kSlopeParameter);
    if (texts.slopeParameter == "     ")
        texts.slopeParameter = "0.15";

    record.meanAnomaly = FieldValue<double>(texts.meanAnomaly);
    record.argPerihelion = FieldValue<double>(texts.argPerihelion);
    record.ascendingNode = FieldValue<double>(texts.ascendingNode);
    record.inclination = FieldValue<double>(texts.inclination);
    record.eccentricity = FieldValue<double>(texts.eccentricity);
    record.meanMotion = FieldValue<double>(texts.meanMotion);
    record.absoluteMagnitude = FieldValue<float>(texts.absoluteMagnitude);
    record.slopeParameter = FieldValue<float>(texts.slopeParameter);
    record.number = number;

    // The name without its trailing spaces. Up to 15 characters the number
    // follows it; a 16-character name shows it only in the working name, and a
    // name that fills its 17 characters shows it nowhere.
    std::string name = FieldOf(line, kName);
    name.resize(name.find_last_not_of(' ') == std::string::npos ? 0 : name.find_last_not_of(' ') + 1);
    const std::string numberText = FormatC("(%d)", number);
    if (name.size() <= 15) {
        record.name = name + " " + numberText;
        texts.displayName = name + "  " + numberText;
    } else if (name.size() == 16) {
        record.name = name + " " + numberText;
        texts.displayName = name + " ";
    } else {
        record.name = name;
        texts.displayName = name;
    }

    // a = (k' / n)^(2/3), k' = 0.9856076686 degrees per day the Gaussian
    // constant in degrees: Kepler's third law for a massless body.
    record.semiMajorAxis = std::pow(0.9856076686 / record.meanMotion, 0.6666666666666666);
}

bool IsSoundAsteroidLine(std::string_view line)
{
    if (line.size() < static_cast<std::size_t>(kAsteroidLineLength) - 2)
        return false;
    // A line that does not end where it should is read at a shifted offset.
    if (line.size() == static_cast<std::size_t>(kAsteroidLineLength) && line.substr(kAsteroidLineLength - 2) != "\r\n")
        return false;
    int number = 0, year = 0, month = 0, day = 0;
    if (!ScanInt(FieldOf(line, kNumber), number) ||
        std::sscanf(FieldOf(line, kEpoch).c_str(), "%4d%2d%2d", &year, &month, &day) != 3 || month < 1 ||
        month > 12 || day < 1 || day > 31)
        return false;
    double values[7] = {};
    const Field fields[7] = {kMeanAnomaly, kArgPerihelion, kAscendingNode, kInclination,
                             kEccentricity, kMeanMotion,   kAbsoluteMagnitude};
    for (int k = 0; k < 7; ++k)
        if (!ScanReal(FieldOf(line, fields[k]), values[k]) || !std::isfinite(values[k]))
            return false;
    const double eccentricity = values[4];
    const double meanMotion = values[5];
    double slope = 0.0;
    const std::string slopeText = FieldOf(line, kSlopeParameter);
    return eccentricity >= 0 && eccentricity < 1 && meanMotion > 0 &&
           (slopeText.find_first_not_of(' ') == std::string::npos || ScanReal(slopeText, slope));
}
