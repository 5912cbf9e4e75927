#include "export/CsvWriters.h"

#include "core/AstroConstants.h"
#include "export/Csv.h"
#include "planner/Horizon.h"

#include <optional>

namespace {

std::string Instant(const std::optional<DayNumber>& instant)
{
    return instant ? CsvInstant(*instant) : std::string();
}

} // namespace

std::string TonightCsv(const std::vector<TonightRow>& rows, std::span<const PlannerObject> objects)
{
    std::string csv = "name,kind,magnitude,start_utc,end_utc,hours,best_utc,best_alt_deg,best_az_deg,"
                      "elongation_deg,moon_alt_deg,moon_illum,moon_sep_deg\n";
    for (const TonightRow& row : rows) {
        const PlannerObject& object = objects[row.object];
        csv += CsvText(object.name) + (object.comet ? ",comet," : ",asteroid,") + CsvNumber(row.magnitude, 2) +
               "," + CsvInstant(row.start) + "," + CsvInstant(row.end) + "," + CsvNumber(row.Hours(), 3) + "," +
               CsvInstant(row.best) + "," + CsvNumber(row.bestAltitude, 2) + "," +
               CsvNumber(AzimuthFromNorth(row.bestAzimuth), 2) + "," + CsvNumber(row.elongation, 2) + "," +
               CsvNumber(row.moonAltitude, 2) + "," + CsvNumber(row.moonIlluminated, 3) + "," +
               CsvNumber(row.moonSeparation, 2) + "\n";
    }
    return csv;
}

std::string NightsCsv(const std::vector<NightInstants>& nights)
{
    std::string csv = "date,rise_utc,transit_utc,set_utc,up10_utc,down10_utc,night_start_utc,night_end_utc,"
                      "comfort_start_utc,comfort_end_utc\n";
    for (const NightInstants& night : nights) {
        csv += CsvDate(night.day, night.month, night.year);
        for (const std::optional<DayNumber>& event : night.events)
            csv += "," + Instant(event);
        csv += "," + Instant(night.comfortStart) + "," + Instant(night.comfortEnd) + "\n";
    }
    return csv;
}

std::string EphemerisCsv(const std::vector<EphemerisLine>& lines)
{
    std::string csv = "date,ra_h,dec_deg,delta_au,r_au,elong_deg,phase_deg,mag,antisolar_deg\n";
    for (const EphemerisLine& line : lines)
        csv += CsvDate(line.day, line.month, line.year) + "," + CsvNumber(line.rightAscension, 6) + "," +
               CsvNumber(line.declination * kRadiansToDegrees, 5) + "," + CsvNumber(line.earthDistance, 6) + "," +
               CsvNumber(line.sunDistance, 6) + "," + CsvNumber(line.elongation, 3) + "," +
               CsvNumber(line.phaseAngle, 3) + "," + CsvNumber(line.magnitude, 2) + "," +
               CsvNumber(line.antiSolar, 2) + "\n";
    return csv;
}
