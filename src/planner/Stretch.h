#pragma once
// The stretch of time, around the highest value of a smooth function over a
// span, during which the function stays at or above a level: the time an
// object spends above an altitude, or the Sun below one. The function is
// sampled on a regular grid (the caller gives the values, often computed
// faster than one by one); the peak is refined by a golden-section search and
// the two ends by bisection, to a second. A function with one maximum
// between two samples, like an altitude over one night, is followed exactly.

#include "core/Calendar.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <span>

struct Stretch {
    DayNumber start = 0.0;
    DayNumber end = 0.0;
    DayNumber peak = 0.0;
    double peakValue = 0.0;
};

namespace stretch_detail {

inline constexpr double kSecond = 1.0 / 86400;

inline double Value(double v) { return std::isnan(v) ? -std::numeric_limits<double>::infinity() : v; }

// The crossing between a time `inside` (at or above the level) and a time
// `outside` (below it), to half a second.
template <typename F>
DayNumber Crossing(const F& f, double level, DayNumber inside, DayNumber outside)
{
    while (std::fabs(outside - inside) > kSecond / 2) {
        const DayNumber middle = (inside + outside) / 2;
        (Value(f(middle)) >= level ? inside : outside) = middle;
    }
    return (inside + outside) / 2;
}

} // namespace stretch_detail

// `values[j]` is f(t0 + j step); the span ends at the last sample. Nothing
// when the function never reaches `level` (or is not a number).
template <typename F>
std::optional<Stretch> StretchAbove(std::span<const double> values, DayNumber t0, double step, const F& f,
                                    double level)
{
    using namespace stretch_detail;
    if (values.empty())
        return std::nullopt;
    const std::size_t n = values.size();
    const DayNumber t1 = t0 + step * static_cast<double>(n - 1);
    auto at = [&](std::size_t j) { return t0 + step * static_cast<double>(j); };

    std::size_t k = 0;
    for (std::size_t j = 1; j < n; ++j)
        if (Value(values[j]) > Value(values[k]))
            k = j;
    // Golden-section search between the neighbours of the highest sample.
    constexpr double kInverseGolden = 0.6180339887498949;
    DayNumber a = k > 0 ? at(k - 1) : t0;
    DayNumber b = k + 1 < n ? at(k + 1) : t1;
    DayNumber c = b - kInverseGolden * (b - a);
    DayNumber d = a + kInverseGolden * (b - a);
    double fc = Value(f(c));
    double fd = Value(f(d));
    while (b - a > kSecond) {
        if (fc > fd) {
            b = d, d = c, fd = fc;
            c = b - kInverseGolden * (b - a);
            fc = Value(f(c));
        } else {
            a = c, c = d, fc = fd;
            d = a + kInverseGolden * (b - a);
            fd = Value(f(d));
        }
    }
    Stretch stretch;
    stretch.peak = (a + b) / 2;
    stretch.peakValue = Value(f(stretch.peak));
    if (Value(values[k]) >= stretch.peakValue) {
        stretch.peak = at(k);
        stretch.peakValue = Value(values[k]);
    }
    if (!(stretch.peakValue >= level))
        return std::nullopt;

    // Outwards from the peak, sample by sample, to the first one below the level.
    stretch.start = t0;
    DayNumber inside = stretch.peak;
    for (std::size_t j = n; j-- > 0;) {
        if (at(j) > stretch.peak)
            continue;
        if (Value(values[j]) >= level) {
            inside = at(j);
        } else {
            stretch.start = Crossing(f, level, inside, at(j));
            break;
        }
    }
    stretch.end = t1;
    inside = stretch.peak;
    for (std::size_t j = 0; j < n; ++j) {
        if (at(j) <= stretch.peak)
            continue;
        if (Value(values[j]) >= level) {
            inside = at(j);
        } else {
            stretch.end = Crossing(f, level, inside, at(j));
            break;
        }
    }
    return stretch;
}
