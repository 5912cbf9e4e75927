#pragma once
// The nights of a visibility diagram as instants rather than pixels: for the
// night of each evening, when the object rises, culminates, sets and passes
// 10 degrees, when the astronomical night starts and ends, and the
// comfortable observing period (the object at least 10 degrees high during
// astronomical night). The events are those the diagram computes, night
// after night; each belongs to the night from local mean noon to the next.

#include "core/Calendar.h"

#include <array>
#include <optional>
#include <vector>

class DiagramObject;
struct SiteRecord;

struct NightInstants {
    int day = 0, month = 0, year = 0;  // the evening's date
    // By EventKind: rise, transit, set, 10 degrees up and down, start and end
    // of the astronomical night; nothing when it does not happen that night.
    std::array<std::optional<DayNumber>, 7> events{};
    // The longest stretch of the night with the object at least 10 degrees high.
    std::optional<DayNumber> comfortStart;
    std::optional<DayNumber> comfortEnd;
};

// The 368 nights of the diagram that starts on the 1st of month/year, from
// the evening of that day on.
std::vector<NightInstants> DiagramNights(const DiagramObject& object, const SiteRecord& site, int month, int year);
