#pragma once
// The legend of a right press: one line naming the event under the cursor,
// in a pale box just above it.

#include "diagram/Canvas.h"

#include <string>

class EventGrid;

// The French name of an event code for the document's kind ('C' comet,
// otherwise asteroid); "" for any other code.
std::string LegendText(int code, int objectKind);

// The event named at (x, y): the cells of the column under the cursor, two
// rows either side. A transit among them always wins; a comfortable-period
// cell does not hide a 10-degree or night point found before it; a single
// event, the comfortable period or a new moon gives its code; two points or
// more, or nothing, give -1. Rows beyond the chart are not looked at.
int LegendCodeAt(const EventGrid& grid, int x, int y);

// Where the legend goes: centred on x, kept within x = 16 to 740.
struct LegendPlacement {
    PixelRect box;
    int textX = 0;
    int textY = 0;
};
LegendPlacement PlaceLegend(int x, int y, int textWidth);

void DrawLegend(Canvas& canvas, const LegendPlacement& placement, const std::string& text);
