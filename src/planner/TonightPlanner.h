#pragma once
// One night over a whole catalogue: for every object, the stretch of the dark
// hours it spends above a lowest altitude, its highest point then, its
// magnitude and elongation, and where the Moon stands. Geocentric and
// geometric like the rest of the program, without refraction; the Moon alone
// is seen from the site (its parallax reaches a degree).
//
// Each object is computed on its own from the same shared night, so the rows
// do not depend on how many threads share the work.

#include "catalog/SiteRecord.h"
#include "core/Calendar.h"
#include "diagram/NightlyEvents.h"
#include "planner/DarkHours.h"
#include "planner/PlannerCatalog.h"

#include <array>
#include <atomic>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <vector>

struct TonightRequest {
    SiteRecord site{};
    int day = 1, month = 1, year = 2000;  // the evening's date
    double magnitudeLimit = 12.0;          // faintest magnitude listed
    double altitudeMin = 10.0;             // degrees
    bool comets = true;
    bool asteroids = true;
};

// The French message for a request that cannot be computed (a date that does
// not exist, a magnitude or an altitude out of range), or nothing.
std::optional<std::string> TonightRequestError(const TonightRequest& request);

struct TonightRow {
    std::size_t object = 0;   // index in the object list
    double magnitude = 0.0;   // at the best moment
    DayNumber start = 0.0;    // above the altitude within the dark hours, UT
    DayNumber end = 0.0;
    DayNumber best = 0.0;     // highest point within that stretch
    double bestAltitude = 0.0;  // degrees
    double bestAzimuth = 0.0;   // degrees from the south, positive towards the west
    double elongation = 0.0;    // degrees
    double moonAltitude = 0.0;  // degrees, seen from the site
    double moonIlluminated = 0.0;  // 0 to 1
    double moonSeparation = 0.0;   // degrees, object to Moon
    double Hours() const { return (end - start) * 24; }
};

class TonightPlanner {
public:
    explicit TonightPlanner(const TonightRequest& request);

    const DarkHours& dark() const { return dark_; }
    // The row of one object, or nothing when it never gets above the
    // altitude in the dark hours or is fainter than the limit.
    std::optional<TonightRow> Evaluate(const PlannerObject& object) const;

private:
    static constexpr int kNodes = 5;

    TonightRequest request_;
    SiteFrame site_;
    DarkHours dark_;
    double levelSine_ = 0.0;
    DayNumber middle_ = 0.0;
    // The object's positions are interpolated over the night from kNodes
    // exact ones; the Sun at those instants, the zenith and the
    // interpolation weights of the sampling grid are the same for everyone.
    std::array<DayNumber, kNodes> nodes_{};
    std::array<Vec3, kNodes> sunAtNodes_{};
    std::array<Vec3, kNodes> moonAtNodes_{};
    double step_ = 0.0;
    std::vector<Vec3> zeniths_;
    std::vector<std::array<double, kNodes>> weights_;

    std::array<double, kNodes> Weights(DayNumber t) const;
    Vec3 Zenith(DayNumber t) const;
    // The local sidereal time at the start of the dark hours, radians: the
    // zenith turns at the sidereal rate from there.
    double siderealStart_ = 0.0;
};

// Every object of `objects` in turn, spread over `threads` threads (0: one
// per core). `done`, when given, counts the objects finished as they are.
// The rows come in the order of the objects; nothing once `stop` is requested.
std::vector<TonightRow> PlanTonight(const TonightPlanner& planner, std::span<const PlannerObject> objects,
                                    unsigned threads, std::stop_token stop, std::atomic<std::size_t>* done);

// Brightest first; rows of equal magnitude keep their order.
void SortByMagnitude(std::vector<TonightRow>& rows);
