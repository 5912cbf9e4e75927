#include "diagram/InfoBox.h"

#include "core/AngleFormat.h"
#include "core/CFormat.h"
#include "core/NumberText.h"
#include "diagram/ChartDrawing.h"
#include "diagram/InstantView.h"

#include <algorithm>
#include <array>

namespace {

constexpr Rgb kBoxText{95, 223, 223};
constexpr Rgb kRule{255, 255, 255};

void Line(Canvas& canvas, int x0, int y0, int x1, int y1)
{
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
}

} // namespace

std::optional<ClickInstant> InstantAtClick(int x, int y)
{
    if (x < 11 || x > 743 || y < 75 || y > 435)
        return std::nullopt;
    // 615 - y counts four-minute steps from 0h UT of day n (y = 615 would
    // be row -180): 180 to 359 in the lower half, 360 to 540 in the upper one.
    const int steps = 615 - y;
    const int upperHalf = steps / 360;
    const int inDay = steps % 360;
    return ClickInstant{(x - 11) / 2 + upperHalf, inDay / 15, (inDay % 15) * 4};
}

InfoBoxTexts MakeInfoBoxTexts(const InstantViewResult& view, const ClickInstant& instant, int month, int year,
                              bool leapFebruary)
{
    std::array<int, 12> lengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (leapFebruary)
        lengths[1] = 29;
    int day = instant.day;
    // Months outside 1 to 12 never come from the dialogs; they count as 30 days.
    auto length = [&lengths](int m) { return m >= 1 && m <= 12 ? lengths[static_cast<std::size_t>(m - 1)] : 30; };
    while (day > length(month)) {
        day -= length(month);
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }

    InfoBoxTexts texts;
    texts.date = FormatC("%d/%d/%d", day, month, year);
    texts.time = FormatC("%dh %dm UT", instant.hour, instant.minute);
    texts.objectAltitude = FormatDeclination(view.objectAltitude, 1);
    texts.objectAzimuth = FormatDeclination(view.objectAzimuth, 1);
    texts.magnitude = FixedText(view.magnitude, 1);
    texts.sunAltitude = FormatDeclination(view.sunAltitude, 1);
    texts.sunAzimuth = FormatDeclination(view.sunAzimuth, 1);
    return texts;
}

const std::vector<BoxText>& InfoBoxWidestTexts()
{
    // Names from b + 4 (516 for a comet, 506 for an asteroid) to the rule at
    // 569; columns from 574, 634 and 694 to the rules at 629 and 689 and the
    // edge at 737; the date box from w + 5 to its rule at w + 44 and from
    // w + 49 to its edge at w + 123.
    static const std::vector<BoxText> texts = {
        {"Comète", 53},    {"Soleil", 53},      {"Astéroïde", 63},   {"hauteur", 55},
        {"azimut", 55},    {"-179° 59'", 55},   {"magn.", 43},       {"-12.3", 43},
        {"date", 39},      {"heure", 39},       {"30/12/-1000", 74}, {"23h 56m UT", 74},
    };
    return texts;
}

PixelRect DrawInfoBox(Canvas& canvas, const InfoBoxTexts& texts, bool comet)
{
    const int b = comet ? 512 : 502;  // the data box starts here
    const int w = comet ? 372 : 362;  // the date box starts here

    const PixelRect dataBox{b - 2, 8, 739, 65};
    canvas.FillSolidRect(dataBox, DiagramColour::Box);
    canvas.DrawEdge(dataBox, EdgeStyle::Bump);
    canvas.SelectFont(DiagramFont::Info);
    canvas.SetTextColor(kBoxText);
    canvas.TextOut(574, 10, "hauteur");
    canvas.TextOut(634, 10, "azimut");
    canvas.TextOut(694, 10, "magn.");
    canvas.TextOut(b + 4, 29, comet ? "Comète" : "Astéroïde");
    canvas.TextOut(574, 29, texts.objectAltitude);
    canvas.TextOut(634, 29, texts.objectAzimuth);
    canvas.TextOut(694, 29, texts.magnitude);
    canvas.TextOut(b + 4, 47, "Soleil");
    canvas.TextOut(574, 47, texts.sunAltitude);
    canvas.TextOut(634, 47, texts.sunAzimuth);

    const PixelRect dateBox{w - 2, 17, w + 125, 55};
    canvas.FillSolidRect(dateBox, DiagramColour::Box);
    canvas.DrawEdge(dateBox, EdgeStyle::Bump);
    canvas.TextOut(w + 5, 19, "date");
    canvas.TextOut(w + 5, 37, "heure");
    canvas.TextOut(w + 49, 19, texts.date);
    canvas.TextOut(w + 49, 37, texts.time);

    canvas.SelectPen(kRule);
    for (const int x : {569, 629, 689})
        Line(canvas, x, 10, x, 63);
    for (const int y : {27, 45})
        Line(canvas, b, y, 737, y);
    Line(canvas, w + 44, 19, w + 44, 53);
    Line(canvas, w, 36, w + 123, 36);

    return {std::min(dataBox.left, dateBox.left), std::min(dataBox.top, dateBox.top),
            std::max(dataBox.right, dateBox.right), std::max(dataBox.bottom, dateBox.bottom)};
}
