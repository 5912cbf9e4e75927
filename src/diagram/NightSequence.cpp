#include "diagram/NightSequence.h"

#include "core/AstroConstants.h"
#include "diagram/DiagramObject.h"

NightSequence::NightSequence(const DiagramObject& object, const SiteRecord& site, DayNumber day0)
    : object_(object),
      frame_(MakeSiteFrame(site)),
      day0_(day0),
      t0_(day0 * kCenturiesPerDay),
      eclipticToEquator_(RotationX(MeanObliquity(t0_))),
      theta0_(SiderealTimeAt0h(t0_)),
      previousT_(t0_)
{
    const Vec3 sun = Sun(t0_);
    // rho = P Rx(eps0) h(d) + S, with P taken at the day's 0h UT.
    const Vec3 rho = object.ToEquatorOfDate(t0_) * object.Heliocentric(day0) + sun;
    first_ = FirstEstimates(sun, rho, theta0_, frame_);
}

NightRecord NightSequence::Next(const NightRecord& yesterday)
{
    ++day_;
    const double ti = t0_ + day_ * kCenturiesPerDay;
    const DayNumber di = day0_ + day_;
    // Mean sidereal time advances by 24h 3m 56.555s a day.
    theta0_ += (2400.051262 + 5.162e-05 * previousT_) * kCenturiesPerDay;
    previousT_ = ti;

    NightRecord today;
    for (const int k : {EventKind::NightStart, EventKind::NightEnd}) {
        const auto n = static_cast<std::size_t>(k);
        const double t = yesterday.time[n];
        const RefinedTime refined = RefineEventTime(Sun(ti + t * kCenturiesPerHour), t, kEventAltitudeSine[n],
                                                    theta0_, frame_, kEventHourAngleSign[n]);
        today.time[n] = refined.time;
        today.reach[n] = refined.reach;
    }
    const Mat3 toEquatorOfDate = object_.ToEquatorOfDate(ti);
    for (std::size_t n = 0; n <= 4; ++n) {
        const double t = yesterday.time[n];
        const Vec3 sun = Sun(ti + t * kCenturiesPerHour);
        const Vec3 rho = toEquatorOfDate * object_.Heliocentric(di + t / 24) + sun;
        const RefinedTime refined =
            RefineEventTime(rho, t, kEventAltitudeSine[n], theta0_, frame_, kEventHourAngleSign[n]);
        today.time[n] = refined.time;
        today.reach[n] = refined.reach;
    }
    return today;
}
