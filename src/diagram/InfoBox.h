#pragma once
// The information box of a left click: the instant under the cursor, its
// date and time, and where the object and the Sun stand at that instant.

#include "diagram/Canvas.h"

#include <optional>
#include <string>
#include <vector>

struct InstantViewResult;

// The instant of a click: `day` whole days after the day before the 1st of
// the start month, hour and minute UT in steps of four minutes.
struct ClickInstant {
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// Within x 11 to 743 and y 75 to 435 (the nights of the chart): the lower
// half of the column at x = 11 + 2n reads day n from 12h UT, its upper half
// day n + 1 up to 12h UT. Nothing elsewhere.
std::optional<ClickInstant> InstantAtClick(int x, int y);

// The texts of the box, UTF-8, as shown.
struct InfoBoxTexts {
    std::string date;  // "day/month/year"
    std::string time;  // "21h 4m UT"
    std::string objectAltitude;
    std::string objectAzimuth;
    std::string magnitude;  // "%.1f", or "---" without a value
    std::string sunAltitude;
    std::string sunAzimuth;
};

// `month` and `year` are the diagram's start month; `leapFebruary` gives
// February 29 days (the span holds a 29 February).
InfoBoxTexts MakeInfoBoxTexts(const InstantViewResult& view, const ClickInstant& instant, int month, int year,
                              bool leapFebruary);

// A text of the information box and the pixels it has before the rule or the
// edge on its right.
struct BoxText {
    std::string text;  // UTF-8
    int room = 0;
};

// The widest texts each place of the box may show (for a comet or an
// asteroid): its font must keep all of them inside their room.
const std::vector<BoxText>& InfoBoxWidestTexts();

// The data box (object and Sun) and the date box, over the top of the
// picture, in the information box's font; returns the area they cover.
PixelRect DrawInfoBox(Canvas& canvas, const InfoBoxTexts& texts, bool comet);
