#include "diagram/ComputeDiagram.h"

#include "catalog/SiteRecord.h"
#include "core/AstroConstants.h"
#include "core/EphemerisRequest.h"
#include "core/SunPrecession.h"
#include "diagram/ChartDrawing.h"
#include "diagram/DiagramObject.h"
#include "diagram/EventGrid.h"
#include "diagram/NightSequence.h"
#include "diagram/NightlyEvents.h"
#include "platform/TextEncoding.h"

#include <cmath>

namespace {

// Code 7 in the rows of a window that stays in one night, three rows short
// of each end so that the points at its ends keep their legend.
void MarkComfortableCells(EventGrid& grid, int column, const CellTime& start, const CellTime& end)
{
    for (int row = start.row + 3; row <= end.row - 3; ++row)
        grid.Set(column, row, EventCode::Comfortable);
}

void ComfortableWindowsOfDay(int day, const NightRecord& today, const NightRecord& yesterday,
                             const NightRecord* dayBefore, EventGrid& grid, Canvas& canvas)
{
    const ComfortableWindows windows = FindComfortableWindows(today, yesterday, dayBefore);
    for (int w = 0; w < windows.count; ++w) {
        const HourSpan& span = windows.spans[static_cast<std::size_t>(w)];
        const std::optional<CellTime> start = SplitTime(span.start);
        const std::optional<CellTime> end = SplitTime(span.end);
        if (!start || !end)
            continue;
        // Column c is the night around 0h UT of day c, as the information box
        // and the month lines read it.
        const int column = day + start->night;
        DrawComfortableWindow(canvas, column, *start, *end);
        if (end->night == start->night)
            MarkComfortableCells(grid, column, *start, *end);
    }
}

} // namespace

void WriteEventPoints(const NightRecord& record, int day, EventGrid& grid, Canvas& canvas)
{
    for (int k = 6; k >= 0; --k) {
        if (record.reach[static_cast<std::size_t>(k)] != AltitudeReach::Crosses && k != EventKind::Transit)
            continue;
        const std::optional<CellTime> cell = SplitTime(record.time[static_cast<std::size_t>(k)]);
        if (!cell)
            continue;
        const int column = day + cell->night;
        if (grid.Set(column, cell->row, k))
            canvas.SetPixel(ColumnX(column), RowY(cell->row), EventColour(k));
    }
}

void ComputeDiagram(const DiagramObject& object, const SiteRecord& site, EphemerisRequest& request,
                    int& leapFebruaryMarker, EventGrid& grid, Canvas& canvas)
{
    // Day 0 is the last day of the month before the start month.
    request.day = 0;
    request.dayInterval = 1;
    leapFebruaryMarker = 0;
    grid.Reset();
    const DayNumber d0 = RequestDayNumber(request);
    request.day = 1;
    NightSequence nights(object, site, d0);

    DrawBackground(canvas);
    canvas.SelectFont(DiagramFont::Label);
    canvas.SetTextColor(DiagramColour::Label);

    // Records i, i - 1 and i - 2, each night refined once from the one before.
    NightRecord dayBefore;
    NightRecord yesterday = nights.First();
    for (int i = 1; i <= kDiagramNights; ++i) {
        const NightRecord today = nights.Next(yesterday);
        ComfortableWindowsOfDay(i, today, yesterday, i >= 11 ? &dayBefore : nullptr, grid, canvas);
        WriteEventPoints(yesterday, i - 1, grid, canvas);
        if (request.day == 1)
            DrawMonthBoundary(canvas, i, request.month, request.year);
        AdvanceRequestDate(request, leapFebruaryMarker);

        dayBefore = yesterday;
        yesterday = today;
    }

    const NewMoonDays moons = MeanNewMoonDays(d0);
    for (int m = 0; m < moons.count; ++m) {
        const int j = moons.days[static_cast<std::size_t>(m)];
        for (const int column : {j, j + 1}) {
            for (int row = 0; row < 10; ++row) {
                grid.Set(column, row, EventCode::NewMoon);
                grid.Set(column, EventGrid::kRows - 1 - row, EventCode::NewMoon);
            }
        }
        DrawNewMoon(canvas, j);
    }

    DrawHourLabels(canvas);
    DrawTitleBox(canvas, object.TitleLine(), "Site : " + Windows1252ToUtf8(SiteName(site)));
    DrawChartFrame(canvas, leapFebruaryMarker != 0);

    // 368 steps of one day carried the date to the 3rd or 4th of the start
    // month a year later: back to the 1st of the start month.
    request.day = 1;
    request.year -= 1;
}
