#include "diagram/Legend.h"

#include "diagram/DiagramObject.h"
#include "diagram/EventGrid.h"

namespace {

constexpr Rgb kLegendBox{255, 255, 191};
constexpr Rgb kLegendText{0, 0, 127};

} // namespace

std::string LegendText(int code, int objectKind)
{
    const std::string name = objectKind == kCometKind ? "la comète" : "l'astéroïde";
    switch (code) {
    case EventCode::Rise: return "Lever de " + name;
    case EventCode::Transit: return "Passage de " + name + " au méridien (culmination)";
    case EventCode::Set: return "Coucher de " + name;
    case EventCode::Ascending10: return "Passage ascendant de " + name + " à 10° au-dessus de l'horizon";
    case EventCode::Descending10: return "Passage descendant de " + name + " à 10° au-dessus de l'horizon";
    case EventCode::NightStart: return "Début de la nuit astronomique (Soleil à 18° sous l'horizon)";
    case EventCode::NightEnd: return "Fin de la nuit astronomique (Soleil à 18° sous l'horizon)";
    case EventCode::Comfortable: return "Période d'observation confortable de " + name;
    case EventCode::NewMoon: return "Nouvelle Lune";
    default: return {};
    }
}

int LegendCodeAt(const EventGrid& grid, int x, int y)
{
    const int column = (x - 11) / 2 + 1;
    const int row = 435 - y;
    if (column < 1 || column > 369 || row < 0 || row >= EventGrid::kRows)
        return -1;

    int best = -1;
    int count = 0;
    for (int r = row - 2; r <= row + 2; ++r) {
        // A row beyond the chart is skipped: clamping it would count the
        // edge cell up to three times and hide a point lying there.
        if (r < 0 || r >= EventGrid::kRows)
            continue;
        const int v = grid.At(column, r);
        if (v == EventCode::Transit || best == EventCode::Transit) {
            best = EventCode::Transit;
            count = 1;
        } else if (v == EventGrid::kEmpty) {
            continue;
        } else if (v == EventCode::Comfortable && best >= EventCode::Ascending10 && best <= EventCode::NightEnd) {
            continue;
        } else {
            ++count;
            if (v >= best)
                best = v;
        }
    }
    if (count == 1 || best == EventCode::Comfortable || best == EventCode::NewMoon)
        return best;
    return -1;
}

LegendPlacement PlaceLegend(int x, int y, int textWidth)
{
    const int h = textWidth / 2;
    int cx = x;
    if (x < h + 11)
        cx = h + 11;
    else if (x > 725 - h)
        cx = 725 - h;
    return {{cx - h + 5, y - 29, cx + h + 15, y - 10}, cx - h + 10, y - 27};
}

void DrawLegend(Canvas& canvas, const LegendPlacement& placement, const std::string& text)
{
    canvas.FillSolidRect(placement.box, kLegendBox);
    canvas.SelectFont(DiagramFont::Label);
    canvas.SetTextColor(kLegendText);
    canvas.TextOut(placement.textX, placement.textY, text);
}
