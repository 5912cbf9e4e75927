#include "diagram/ChartDrawing.h"

#include "core/CFormat.h"
#include "diagram/EventGrid.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, 12> kMonthAbbreviations = {
    "Jan.", "Fév.", "Mars", "Avr.", " Mai", "Juin", " Jlt.", "Août", "Sep.", "Oct.", "Nov.", "Déc."};

// The labels are centred on the month by this length; February always 28.
constexpr std::array<int, 12> kLabelMonthLength = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Boundaries this far right have no room for a label or a mark on their right.
constexpr int kLastLabelX = 729;
constexpr int kFirstLeftMarkX = 29;
constexpr int kMidnightY = 255;

} // namespace

Rgb EventColour(int code)
{
    switch (code) {
    case EventCode::Rise:
    case EventCode::Set: return DiagramColour::RiseSet;
    case EventCode::Transit: return DiagramColour::Transit;
    case EventCode::Ascending10: return DiagramColour::Ascending10;
    case EventCode::Descending10: return DiagramColour::Descending10;
    default: return DiagramColour::Night;
    }
}

std::string_view MonthAbbreviation(int month)
{
    return month >= 1 && month <= 12 ? kMonthAbbreviations[static_cast<std::size_t>(month - 1)] : "";
}

void DrawBackground(Canvas& canvas)
{
    canvas.FillSolidRect({0, 0, kDiagramWidth, kDiagramHeight}, DiagramColour::Background);
    canvas.FillSolidRect(kChartArea, DiagramColour::Chart);
    canvas.FillSolidRect(kMonthBand, DiagramColour::Box);
}

void DrawComfortableWindow(Canvas& canvas, int column, const CellTime& start, const CellTime& end)
{
    canvas.SelectPen(DiagramColour::Comfortable);
    const bool firstPart = column >= 0 && column < EventGrid::kColumns;
    const int x = ColumnX(column);
    if (end.night == start.night) {
        if (firstPart) {
            canvas.MoveTo(x, RowY(start.row));
            canvas.LineTo(x, RowY(end.row));
        }
        return;
    }
    // Up to the top of this night, then from the bottom of the next one.
    if (firstPart) {
        canvas.MoveTo(x, RowY(start.row));
        canvas.LineTo(x, 75);
    }
    if (column + 1 >= 0 && column + 1 < EventGrid::kColumns) {
        canvas.MoveTo(x + 2, RowY(0));
        canvas.LineTo(x + 2, RowY(end.row));
    }
}

void DrawMonthBoundary(Canvas& canvas, int day, int month, int year)
{
    const int x = 11 + 2 * (day - 1);
    for (int y = 435; y >= 75; y -= 5)
        canvas.SetPixel(x, y, DiagramColour::MonthLine);
    // Every hour a small cross on the dotted line.
    for (int y = 435; y >= 75; y -= 15) {
        canvas.SetPixel(x, y + 1, DiagramColour::MonthLine);
        canvas.SetPixel(x, y - 1, DiagramColour::MonthLine);
        canvas.SetPixel(x + 1, y, DiagramColour::MonthLine);
        canvas.SetPixel(x - 1, y, DiagramColour::MonthLine);
    }
    if (x < kLastLabelX)
        canvas.SetPixel(x + 2, kMidnightY, DiagramColour::Midnight);
    if (x > kFirstLeftMarkX)
        canvas.SetPixel(x - 2, kMidnightY, DiagramColour::Midnight);
    if (x < kLastLabelX && month >= 1 && month <= 12) {
        const std::string label = std::string(MonthAbbreviation(month)) + FormatC(" %d", year);
        canvas.TextOut(x + kLabelMonthLength[static_cast<std::size_t>(month - 1)] - 23, 441, label);
    }
}

void DrawNewMoon(Canvas& canvas, int days)
{
    const int x = 2 * days + 11;
    for (int y = 75; y <= 84; ++y)
        canvas.SetPixel(x, y, DiagramColour::NewMoon);
    for (int y = 434; y >= 425; --y)
        canvas.SetPixel(x, y, DiagramColour::NewMoon);
}

void DrawHourLabels(Canvas& canvas)
{
    canvas.SelectFont(DiagramFont::Label);
    canvas.SetTextColor(DiagramColour::Label);
    canvas.TextOut(14, 74, "12h UT");
    canvas.TextOut(14, 244, " 0h UT");
    canvas.TextOut(14, 255, "24h UT");
    canvas.TextOut(14, 423, "12h UT");
}

void DrawTitleBox(Canvas& canvas, std::string_view objectLine, std::string_view siteLine)
{
    canvas.SelectFont(DiagramFont::Title);
    const int width = std::max(canvas.GetTextExtent(objectLine).width, canvas.GetTextExtent(siteLine).width);
    const PixelRect box{12, 13, width + 26, 58};
    canvas.FillSolidRect(box, DiagramColour::Box);
    canvas.DrawEdge(box, EdgeStyle::Bump);
    canvas.SetTextColor(DiagramColour::Title);
    canvas.TextOut(19, 17, objectLine);
    canvas.TextOut(19, 37, siteLine);
}

void DrawChartFrame(Canvas& canvas, bool leapFebruary)
{
    PixelRect frame = kChartArea;
    if (leapFebruary)
        frame.right += 2;
    canvas.DrawEdge(frame, EdgeStyle::Raised);
}
