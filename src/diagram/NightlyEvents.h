#pragma once
// The arithmetic of one night of the visibility diagram: the hour angles of
// the seven events, the first estimates, the daily correction step, the
// comfortable observing windows and the mean new moons. Times are hours UT
// counted from 0h UT of the day of the record that holds them.

#include "core/Calendar.h"
#include "core/Vector.h"
#include "diagram/EventGrid.h"

#include <array>
#include <optional>

struct SiteRecord;

// Hours of the sidereal day per hour of mean time, and back.
inline constexpr double kSiderealRate = 1.0027379;
inline constexpr double kMeanPerSiderealHour = 0.9972695756288856;
// Julian centuries per hour (1 / 876600).
inline constexpr double kCenturiesPerHour = 1.1407711613050422e-06;
inline constexpr int kDiagramNights = 368;

// The seven events of a night, indexes of a NightRecord: the event codes 0
// (rise) to 6 (end of astronomical night).
namespace EventKind = EventCode;

// The seven events of a night, by EventKind index: the sine of the
// altitude each one concerns and the sign of its hour angle. The -0 deg 34'
// of the rise and set stands for refraction; nothing else is corrected.
inline constexpr std::array<double, 7> kEventAltitudeSine = {-0.00989, -0.00989, -0.00989, 0.173648,
                                                              0.173648, -0.30902, -0.30902};
inline constexpr std::array<int, 7> kEventHourAngleSign = {-1, 0, +1, -1, +1, +1, -1};

// Whether a body reaches an altitude on a given day.
namespace AltitudeReach {
inline constexpr int Crosses = 0;
inline constexpr int NeverReaches = 1;  // always below: the event is put at the transit
inline constexpr int NeverBelow = -1;   // always above: the event is put at the lower culmination
} // namespace AltitudeReach

// The site as the events need it: longitude in hours (positive west) and the
// sine and cosine of the latitude.
struct SiteFrame {
    double longitude = 0.0;
    double sinLatitude = 0.0;
    double cosLatitude = 1.0;
};
SiteFrame MakeSiteFrame(const SiteRecord& site);

// One night of the diagram: the times of the seven events and whether each
// altitude is reached (the transit takes the flag of the rise altitude).
struct NightRecord {
    std::array<double, 7> time{};
    std::array<int, 7> reach{};
};

// The night and the four-minute row of a time: night = floor((t + 12) / 24),
// row = floor((t + 12 - 24 night) x 15), 0 to 359. Nothing for a time that is
// not a finite number of hours within a few thousand years.
struct CellTime {
    int night = 0;
    int row = 0;
};
std::optional<CellTime> SplitTime(double hours);

// Greenwich mean sidereal time at 0h UT of the day whose T (Julian centuries
// from 1900 January 0.5) is given, hours in [-12, 12) (Newcomb).
double SiderealTimeAt0h(double t);

// Right ascension (hours, -12 to 12) and declination of a vector.
struct EquatorialDirection {
    double rightAscension = 0.0;
    double sinDeclination = 0.0;
    double cosDeclination = 1.0;
};
EquatorialDirection DirectionOf(const Vec3& v);

// Half the time, in hours of hour angle, that a body of the given direction
// spends above the altitude of sine s:
// cos H = (s - sin dec sin phi) / (cos dec cos phi).
struct HalfArc {
    double hours = 0.0;
    int reach = AltitudeReach::Crosses;
};
HalfArc HourAngleHalfWidth(const EquatorialDirection& direction, double s, const SiteFrame& site);

// One correction of an event time t (hours from 0h UT of the day whose
// sidereal time at 0h is theta0): the wanted hour angle minus the hour angle
// at t, brought into [-12, 12) hours, is added at the mean-time rate.
struct RefinedTime {
    double time = 0.0;
    int reach = AltitudeReach::Crosses;
};
RefinedTime RefineEventTime(const Vec3& v, double t, double s, double theta0, const SiteFrame& site, int sign);

// Record 0: the night around 0h UT of day 0, from one position of the object
// and one of the Sun taken at 0h UT of day 0. The object's transit is brought
// into [-12, 12) hours; the night estimated is the one that follows the
// Sun's transit in the 24 hours before 0h UT of day 0.
NightRecord FirstEstimates(const Vec3& sun, const Vec3& object, double theta0, const SiteFrame& site);

// The comfortable observing windows of day i (the object at least 10 degrees
// high while the Sun is 18 degrees below the horizon), in hours of day i, in
// the order they are tried. `dayBefore` (record i - 2) counts only from day 11
// on; pass nullptr before.
struct HourSpan {
    double start = 0.0;
    double end = 0.0;
};
struct ComfortableWindows {
    std::array<HourSpan, 4> spans{};
    int count = 0;
};
ComfortableWindows FindComfortableWindows(const NightRecord& today, const NightRecord& yesterday,
                                          const NightRecord* dayBefore);

// The days, counted from 0h UT of day 0 (`firstDay`, a DayNumber), of the mean
// new moons marked on the diagram: those with 0 < j < 366.
struct NewMoonDays {
    std::array<int, 14> days{};
    int count = 0;
};
NewMoonDays MeanNewMoonDays(DayNumber firstDay);
