#include "planner/TonightPlanner.h"

#include "core/AstroConstants.h"
#include "core/CFormat.h"
#include "core/Moon.h"
#include "diagram/DiagramObject.h"
#include "planner/Horizon.h"
#include "planner/Stretch.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace {

constexpr double kDegree = 0.017453292519943295;
// The altitudes are sampled every 20 minutes at most; between two samples
// the peak and the crossings are found to the second.
constexpr double kSampleStep = 20.0 / 1440;
// Objects taken by a thread at a time: few enough to share the end of the
// work evenly, enough to keep the threads off the shared counter.
constexpr std::size_t kChunk = 16;

template <std::size_t N>
Vec3 Interpolated(const std::array<Vec3, N>& values, const std::array<double, N>& weights)
{
    Vec3 v;
    for (std::size_t n = 0; n < N; ++n)
        v = v + weights[n] * values[n];
    return v;
}

} // namespace

std::optional<std::string> TonightRequestError(const TonightRequest& request)
{
    if (request.month < 1 || request.month > 12 || request.day < 1 ||
        request.day > MonthLength(request.month, IsGregorianLeapYear(request.year)))
        return std::string("Vous avez entré une date non valide.");
    if (!(request.magnitudeLimit >= -10 && request.magnitudeLimit <= 30))
        return std::string("La magnitude limite doit être comprise entre -10 et 30.");
    if (!(request.altitudeMin >= 0 && request.altitudeMin <= 89))
        return std::string("La hauteur minimale doit être comprise entre 0 et 89°.");
    if (!request.comets && !request.asteroids)
        return std::string("Choisissez les comètes, les astéroïdes ou les deux.");
    return std::nullopt;
}

TonightPlanner::TonightPlanner(const TonightRequest& request)
    : request_(request), site_(MakeSiteFrame(request.site)), levelSine_(std::sin(request.altitudeMin * kDegree))
{
    dark_ = FindDarkHours(site_, DayNumberFromDate(request.day, request.month, request.year));
    if (dark_.kind == Darkness::None)
        return;
    middle_ = (dark_.start + dark_.end) / 2;
    for (int n = 0; n < kNodes; ++n) {
        nodes_[static_cast<std::size_t>(n)] = dark_.start + (dark_.end - dark_.start) * n / (kNodes - 1);
        sunAtNodes_[static_cast<std::size_t>(n)] = SunOfDate(nodes_[static_cast<std::size_t>(n)]);
        moonAtNodes_[static_cast<std::size_t>(n)] =
            MoonGeocentricEquatorial(nodes_[static_cast<std::size_t>(n)] * kCenturiesPerDay);
    }
    const Vec3 zenith = ZenithAt(dark_.start, site_);
    siderealStart_ = std::atan2(zenith.y, zenith.x);
    const double length = dark_.end - dark_.start;
    const int samples = std::max(2, static_cast<int>(std::ceil(length / kSampleStep)) + 1);
    step_ = length / (samples - 1);
    for (int j = 0; j < samples; ++j) {
        const DayNumber t = dark_.start + j * step_;
        zeniths_.push_back(Zenith(t));
        weights_.push_back(Weights(t));
    }
}

std::array<double, TonightPlanner::kNodes> TonightPlanner::Weights(DayNumber t) const
{
    // Lagrange's polynomials on the nodes 0 to 4 of u, the night in quarters:
    // w_n = prod over m != n of (u - m), divided by prod of (n - m).
    static constexpr std::array<double, kNodes> kDenominators = {24, -6, 4, -6, 24};
    const double length = dark_.end - dark_.start;
    const double u = length > 0 ? (t - dark_.start) / length * (kNodes - 1) : 0.0;
    std::array<double, kNodes> before{}, after{};
    before[0] = after[kNodes - 1] = 1.0;
    for (std::size_t n = 1; n < kNodes; ++n) {
        before[n] = before[n - 1] * (u - static_cast<double>(n - 1));
        after[kNodes - 1 - n] = after[kNodes - n] * (u - static_cast<double>(kNodes - n));
    }
    std::array<double, kNodes> w{};
    for (std::size_t n = 0; n < kNodes; ++n)
        w[n] = before[n] * after[n] / kDenominators[n];
    return w;
}

Vec3 TonightPlanner::Zenith(DayNumber t) const
{
    constexpr double kSiderealRadiansPerDay = 2 * 3.141592653589793 * kSiderealRate;
    const double localSidereal = siderealStart_ + kSiderealRadiansPerDay * (t - dark_.start);
    return {site_.cosLatitude * std::cos(localSidereal), site_.cosLatitude * std::sin(localSidereal),
            site_.sinLatitude};
}

std::optional<TonightRow> TonightPlanner::Evaluate(const PlannerObject& object) const
{
    if (dark_.kind == Darkness::None || (object.comet ? !request_.comets : !request_.asteroids))
        return std::nullopt;
    const DiagramObject body(object.comet ? kCometKind : kAsteroidKind, object.cometRecord, object.asteroidRecord);
    const Mat3 toDate = body.ToEquatorOfDate(middle_ * kCenturiesPerDay);
    std::array<Vec3, kNodes> geocentric{};
    for (std::size_t n = 0; n < kNodes; ++n)
        geocentric[n] = toDate * body.Heliocentric(nodes_[n]) + sunAtNodes_[n];
    auto interpolated = [&geocentric](const std::array<double, kNodes>& w) { return Interpolated(geocentric, w); };

    std::vector<double> values(zeniths_.size());
    for (std::size_t j = 0; j < values.size(); ++j)
        values[j] = SineOfAltitude(interpolated(weights_[j]), zeniths_[j]);
    auto sineOfAltitude = [&](DayNumber t) { return SineOfAltitude(interpolated(Weights(t)), Zenith(t)); };
    const std::optional<Stretch> above = StretchAbove(values, dark_.start, step_, sineOfAltitude, levelSine_);
    if (!above)
        return std::nullopt;

    // The best moment computed exactly, not interpolated.
    TonightRow row;
    row.best = above->peak;
    const Vec3 sun = SunOfDate(row.best);
    const Vec3 heliocentric = toDate * body.Heliocentric(row.best);
    const Vec3 position = heliocentric + sun;
    row.magnitude = body.Magnitude(sun, position, Norm(heliocentric), Norm(position));
    if (!(row.magnitude <= request_.magnitudeLimit))
        return std::nullopt;
    row.start = above->start;
    row.end = above->end;
    const Horizontal sky = HorizontalAt(position, row.best, site_);
    row.bestAltitude = sky.altitude;
    row.bestAzimuth = sky.azimuth;
    row.elongation = AngleBetween(position, sun);

    // The Moon from the site: the geocentric Moon less the site's place on
    // a spherical Earth.
    const Vec3 moon = Interpolated(moonAtNodes_, Weights(row.best));
    const Vec3 moonFromSite = moon + (-kEarthRadiusAu) * ZenithAt(row.best, site_);
    row.moonAltitude = HorizontalAt(moonFromSite, row.best, site_).altitude;
    row.moonIlluminated = MoonIlluminatedFraction(moon, sun);
    row.moonSeparation = AngleBetween(position, moonFromSite);
    return row;
}

std::vector<TonightRow> PlanTonight(const TonightPlanner& planner, std::span<const PlannerObject> objects,
                                    unsigned threads, std::stop_token stop, std::atomic<std::size_t>* done)
{
    std::vector<std::optional<TonightRow>> slots(objects.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        while (!stop.stop_requested()) {
            const std::size_t first = next.fetch_add(kChunk);
            if (first >= objects.size())
                return;
            const std::size_t last = std::min(objects.size(), first + kChunk);
            for (std::size_t i = first; i < last; ++i) {
                slots[i] = planner.Evaluate(objects[i]);
                if (slots[i])
                    slots[i]->object = i;
            }
            if (done)
                done->fetch_add(last - first);
        }
    };
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    {
        std::vector<std::jthread> helpers;
        for (unsigned k = 1; k < threads; ++k)
            helpers.emplace_back(work);
        work();
    }
    std::vector<TonightRow> rows;
    if (stop.stop_requested())
        return rows;
    for (const std::optional<TonightRow>& slot : slots)
        if (slot)
            rows.push_back(*slot);
    return rows;
}

void SortByMagnitude(std::vector<TonightRow>& rows)
{
    std::stable_sort(rows.begin(), rows.end(),
                     [](const TonightRow& a, const TonightRow& b) { return a.magnitude < b.magnitude; });
}
