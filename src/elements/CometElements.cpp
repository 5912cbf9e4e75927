#include "elements/CometElements.h"

#include "elements/MpcFields.h"

namespace {

constexpr double kRadiansPerDegree = 0.01745329252;  // as the maintenance dialog enters angles

struct RealField {
    int first;
    int last;
    double CometElements::*member;
    double lowest;
    double highest;  // inclusive
    const char* label;
};

constexpr RealField kRealFields[] = {
    {31, 39, &CometElements::perihelionDistance, 0.0, 1e6, "distance au périhélie"},
    {42, 49, &CometElements::eccentricity, 0.0, 1e6, "excentricité"},
    {52, 59, &CometElements::argPerihelion, 0.0, 360.0, "argument du périhélie"},
    {62, 69, &CometElements::ascendingNode, 0.0, 360.0, "longitude du noeud"},
    {72, 79, &CometElements::inclination, 0.0, 180.0, "inclinaison"},
    {92, 95, &CometElements::absoluteMagnitude, -100.0, 100.0, "magnitude absolue"},
    {97, 100, &CometElements::slope, -100.0, 100.0, "coefficient de log r"},
};

bool IsDigits(std::string_view text)
{
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    return !text.empty();
}

} // namespace

std::optional<CometElements> ReadCometLine(std::string_view line, std::string& reason)
{
    CometElements comet;
    const auto year = FixedInt(Columns(line, 15, 18));
    const auto month = FixedInt(Columns(line, 20, 21));
    const auto day = FixedReal(Columns(line, 23, 29));
    if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1.0 ||
        *day >= MonthLength(*month, IsGregorianLeapYear(*year)) + 1.0) {
        reason = "date du périhélie illisible";
        return std::nullopt;
    }
    comet.year = *year;
    comet.month = *month;
    comet.day = *day;
    for (const RealField& field : kRealFields) {
        const auto value = FixedReal(Columns(line, field.first, field.last));
        if (!value || *value < field.lowest || *value > field.highest) {
            reason = std::string(field.label) + " illisible";
            return std::nullopt;
        }
        comet.*field.member = *value;
    }
    // The epoch is blank for an orbit without perturbations, otherwise yyyymmdd.
    const std::string_view epoch = Columns(line, 82, 89);
    if (!IsBlank(epoch) && !IsDigits(epoch)) {
        reason = "époque illisible";
        return std::nullopt;
    }
    comet.name = TrimSpaces(Columns(line, 103, 158));
    if (comet.name.empty() || comet.perihelionDistance <= 0.0) {
        reason = comet.name.empty() ? "désignation absente" : "distance au périhélie nulle";
        return std::nullopt;
    }
    comet.reference = TrimSpaces(Columns(line, 160, 168));
    return comet;
}

DayNumber PerihelionDayNumber(const CometElements& comet)
{
    return DayNumberFromDate(comet.day, comet.month, comet.year);
}

std::string CometDesignation(std::string_view name)
{
    name = TrimSpaces(name);
    // "12P/Pons-Brooks", "73P-B/Schwassmann-Wachmann": digits, a letter, maybe a fragment, a slash.
    std::size_t at = 0;
    while (at < name.size() && name[at] >= '0' && name[at] <= '9')
        ++at;
    const std::size_t slash = name.find('/');
    if (at > 0 && at < name.size() && name[at] >= 'A' && name[at] <= 'Z' && slash != std::string_view::npos &&
        name.substr(at + 1, slash - at - 1).find(' ') == std::string_view::npos)
        return std::string(name.substr(0, slash));
    return std::string(TrimSpaces(name.substr(0, name.find('('))));
}

void SetCometElements(CometRecord& record, const CometElements& comet)
{
    SetCometReference(record, comet.reference);
    record.perihelionTime = PerihelionDayNumber(comet);
    record.argPerihelion = comet.argPerihelion * kRadiansPerDegree;
    record.ascendingNode = comet.ascendingNode * kRadiansPerDegree;
    record.inclination = comet.inclination * kRadiansPerDegree;
    record.eccentricity = comet.eccentricity;
    record.perihelionDistance = comet.perihelionDistance;
    record.magnitudeCoef1 = comet.absoluteMagnitude;
    // The law of the file is m = H + 5 log delta + 2.5 G log r: the factor of log r is 2.5 G.
    record.magnitudeCoef2 = 2.5 * comet.slope;
    record.equinox = 2000;
}

CometRecord MakeCometRecord(const CometElements& comet)
{
    CometRecord record{};
    SetCometName(record, comet.name);
    SetCometElements(record, comet);
    return record;
}
