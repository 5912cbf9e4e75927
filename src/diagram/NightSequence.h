#pragma once
// The nights of a visibility diagram one after the other: record 0 from the
// first estimates at 0h UT of day 0, then record i of day i from record i - 1
// by one correction step of each event. The drawing and the night-by-night
// listing both walk it.

#include "core/Calendar.h"
#include "core/Vector.h"
#include "core/SunPrecession.h"
#include "diagram/NightlyEvents.h"

class DiagramObject;
struct SiteRecord;

class NightSequence {
public:
    // `day0` is 0h UT of day 0 (for a diagram, the last day of the month
    // before the start month).
    NightSequence(const DiagramObject& object, const SiteRecord& site, DayNumber day0);

    // Record 0.
    const NightRecord& First() const { return first_; }
    // The next record (day 1, 2, ... in turn) from the one before it.
    NightRecord Next(const NightRecord& previous);

private:
    // The Sun and the object, geocentric and equatorial of date, AU. The
    // obliquity is that of 0h UT of day 0, kept for the whole sequence.
    Vec3 Sun(double t) const { return eclipticToEquator_ * SunGeocentricEcliptic(t); }

    const DiagramObject& object_;
    SiteFrame frame_;
    DayNumber day0_;
    double t0_;
    Mat3 eclipticToEquator_;
    double theta0_;
    double previousT_;
    int day_ = 0;
    NightRecord first_;
};
