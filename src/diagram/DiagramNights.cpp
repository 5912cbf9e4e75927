#include "diagram/DiagramNights.h"

#include "catalog/SiteRecord.h"
#include "diagram/NightSequence.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

struct Span {
    DayNumber start = 0.0;
    DayNumber end = 0.0;
};

// The stretches with the object at least 10 degrees high, merged: record by
// record around each transit, a whole day when it never goes below.
std::vector<Span> HighStretches(const std::vector<NightRecord>& records, DayNumber day0)
{
    constexpr std::size_t A = EventKind::Ascending10, B = EventKind::Descending10, T = EventKind::Transit;
    std::vector<Span> spans;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const NightRecord& record = records[i];
        const DayNumber day = day0 + static_cast<double>(i);
        if (record.reach[A] == AltitudeReach::NeverBelow || record.reach[B] == AltitudeReach::NeverBelow)
            spans.push_back({day + (record.time[T] - 12) / 24, day + (record.time[T] + 12) / 24});
        else if (record.reach[A] == AltitudeReach::Crosses && record.reach[B] == AltitudeReach::Crosses &&
                 record.time[A] < record.time[B])
            spans.push_back({day + record.time[A] / 24, day + record.time[B] / 24});
    }
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.start < b.start; });
    std::vector<Span> merged;
    for (const Span& span : spans) {
        if (!merged.empty() && span.start <= merged.back().end)
            merged.back().end = std::max(merged.back().end, span.end);
        else
            merged.push_back(span);
    }
    return merged;
}

} // namespace

std::vector<NightInstants> DiagramNights(const DiagramObject& object, const SiteRecord& site, int month, int year)
{
    const DayNumber day0 = DayNumberFromDate(0, month, year);
    // Record i is the night around local midnight at the start of day i, so
    // the night of evening e is record e + 1; one more record sees the last
    // night's morning.
    constexpr int kNights = kDiagramNights;
    NightSequence sequence(object, site, day0);
    std::vector<NightRecord> records{sequence.First()};
    while (records.size() < static_cast<std::size_t>(kNights) + 3)
        records.push_back(sequence.Next(records.back()));

    // Night e runs from local mean noon of day e to the next (longitude in hours, west positive).
    const double noon = (12 + site.longitude) / 24;
    auto nightOf = [&](DayNumber instant) { return static_cast<long>(std::floor(instant - day0 - noon)); };
    std::vector<NightInstants> nights(static_cast<std::size_t>(kNights));
    for (int e = 1; e <= kNights; ++e) {
        const CalendarDate date = CalendarDateFromDayNumber(day0 + e);
        NightInstants& night = nights[static_cast<std::size_t>(e - 1)];
        night.day = static_cast<int>(date.day);
        night.month = date.month;
        night.year = date.year;
    }
    // Each event in the night it falls in; the first one when a night holds two.
    for (std::size_t i = 0; i < records.size(); ++i) {
        for (std::size_t k = 0; k < 7; ++k) {
            if (records[i].reach[k] != AltitudeReach::Crosses && k != EventKind::Transit)
                continue;
            const DayNumber instant = day0 + static_cast<double>(i) + records[i].time[k] / 24;
            const long e = nightOf(instant);
            if (e < 1 || e > kNights)
                continue;
            std::optional<DayNumber>& slot = nights[static_cast<std::size_t>(e - 1)].events[k];
            if (!slot || instant < *slot)
                slot = instant;
        }
    }

    const std::vector<Span> high = HighStretches(records, day0);
    for (int e = 1; e <= kNights; ++e) {
        NightInstants& night = nights[static_cast<std::size_t>(e - 1)];
        Span dark;
        const NightRecord& sun = records[static_cast<std::size_t>(e) + 1];
        // A Sun that never reaches -18 degrees leaves the night dark from noon to noon.
        if (sun.reach[EventKind::NightStart] == AltitudeReach::NeverReaches)
            dark = {day0 + e + noon, day0 + e + 1 + noon};
        else if (night.events[EventKind::NightStart] && night.events[EventKind::NightEnd])
            dark = {*night.events[EventKind::NightStart], *night.events[EventKind::NightEnd]};
        else
            continue;
        for (const Span& span : high) {
            const DayNumber start = std::max(span.start, dark.start);
            const DayNumber end = std::min(span.end, dark.end);
            if (end > start && (!night.comfortStart || end - start > *night.comfortEnd - *night.comfortStart)) {
                night.comfortStart = start;
                night.comfortEnd = end;
            }
        }
    }
    return nights;
}
