#pragma once
// The texts of a night's plan, shared by the "Ce soir" window and qav-cli:
// times of day in UT, lengths, the dark hours, and the plain-text table.

#include "planner/TonightPlanner.h"

#include <span>
#include <string>
#include <vector>

// Pads a UTF-8 text with spaces to `width` characters (one at least after a longer one).
std::string Padded(const std::string& text, std::size_t width);

// "19h42", the time of day UT rounded to the minute.
std::string ClockText(DayNumber instant);

// "5h08", a length of time in hours.
std::string DurationText(double hours);

// "Nuit astronomique de 17h52 à 6h08 TU", or the nautical night that stands
// in for it, or why there is none; no final full stop.
std::string DarkHoursText(const DarkHours& dark);

// The table of qav-cli tonight: a title, the dark hours, then one line per
// row with the azimuth counted from the north through the east. UTF-8.
std::string TonightTable(const TonightRequest& request, const DarkHours& dark, const std::vector<TonightRow>& rows,
                         std::span<const PlannerObject> objects, const std::string& siteName);
