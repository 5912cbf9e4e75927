#pragma once
// The picture of the visibility diagram: 771 x 505 pixels, 368 nights side
// by side two pixels apart (column c at x = 2c + 9), the hours UT of each
// night from 12h at the bottom (y = 435, row 0) through 0h UT (y = 255) to
// 12h at the top, one pixel per four minutes (row r at y = 435 - r).

#include "diagram/Canvas.h"
#include "diagram/NightlyEvents.h"

#include <string>
#include <string_view>

inline constexpr int kDiagramWidth = 771;
inline constexpr int kDiagramHeight = 505;

namespace DiagramColour {
inline constexpr Rgb Background{115, 123, 127};
inline constexpr Rgb Chart{0, 0, 0};
inline constexpr Rgb Box{0, 0, 95};  // month band, title box, information box
inline constexpr Rgb Label{223, 223, 0};
inline constexpr Rgb Title{255, 255, 63};
inline constexpr Rgb Comfortable{0, 127, 0};
inline constexpr Rgb RiseSet{0, 255, 0};
inline constexpr Rgb Transit{255, 255, 0};
inline constexpr Rgb Ascending10{0, 127, 63};
inline constexpr Rgb Descending10{0, 127, 0};
inline constexpr Rgb Night{0, 127, 255};
inline constexpr Rgb MonthLine{191, 191, 191};
inline constexpr Rgb Midnight{255, 255, 255};
inline constexpr Rgb NewMoon{0, 255, 255};
} // namespace DiagramColour

inline constexpr PixelRect kChartArea{8, 72, 745, 438};
inline constexpr PixelRect kMonthBand{8, 442, 745, 454};

inline int ColumnX(int column) { return 2 * column + 9; }
inline int RowY(int row) { return 435 - row; }

// The colour of the point of an event (EventCode 0 to 6).
Rgb EventColour(int code);

// "Jan." ... "Déc." (three carry a leading blank), UTF-8; month 1 to 12.
std::string_view MonthAbbreviation(int month);

// Background, chart area and month band.
void DrawBackground(Canvas& canvas);

// One comfortable window of the night of record `day`: a vertical segment,
// or its two parts when it runs over 12h UT into the next column. A part
// whose column lies outside the grid is not drawn.
void DrawComfortableWindow(Canvas& canvas, int column, const CellTime& start, const CellTime& end);

// The mark of the 1st of a month on day `day` of the diagram (x = 11 + 2(day - 1)):
// dotted line, hour crosses, midnight marks and, when there is room, the
// month's label with its year. Label font and colour must be selected.
void DrawMonthBoundary(Canvas& canvas, int day, int month, int year);

// The strokes of a new moon `days` whole days after 0h UT of day 0.
void DrawNewMoon(Canvas& canvas, int days);

// "12h UT", " 0h UT", "24h UT", "12h UT" beside the chart.
void DrawHourLabels(Canvas& canvas);

// The box naming the object and the site, widened to the longer line.
void DrawTitleBox(Canvas& canvas, std::string_view objectLine, std::string_view siteLine);

// The raised frame of the chart, two pixels wider on the right when the
// span holds a 29 February.
void DrawChartFrame(Canvas& canvas, bool leapFebruary);
