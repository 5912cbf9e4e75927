#include "elements/MinorPlanetElements.h"

#include "core/CFormat.h"

namespace {

struct RealField {
    int first;
    int last;
    std::string_view MinorPlanetElements::*member;
    double lowest;
    double below;  // the value must stay under it
    const char* label;
};

constexpr RealField kRealFields[] = {
    {27, 35, &MinorPlanetElements::meanAnomaly, 0.0, 360.000001, "anomalie moyenne"},
    {38, 46, &MinorPlanetElements::argPerihelion, 0.0, 360.000001, "argument du périhélie"},
    {49, 57, &MinorPlanetElements::ascendingNode, 0.0, 360.000001, "longitude du noeud"},
    {60, 68, &MinorPlanetElements::inclination, 0.0, 180.000001, "inclinaison"},
    {71, 79, &MinorPlanetElements::eccentricity, 0.0, 1.0, "excentricité"},
    {81, 91, &MinorPlanetElements::meanMotion, 1e-12, 1e6, "moyen mouvement"},
};

// Number of a numbered object: five packed characters, then two blanks.
std::optional<int> PlanetNumber(std::string_view designation, bool& valid)
{
    valid = designation.size() == 7;
    if (!valid)
        return std::nullopt;
    if (designation.substr(5) == "  ") {
        const auto number = UnpackNumber(designation.substr(0, 5));
        valid = number.has_value() && *number > 0;
        return number;
    }
    valid = designation.find(' ') == std::string_view::npos;  // a packed provisional designation
    return std::nullopt;
}

// A right-aligned field of `width`, or false when the text is wider.
bool Append(std::string& line, std::string_view text, std::size_t width)
{
    if (text.size() > width)
        return false;
    line.append(width - text.size(), ' ');
    line.append(text);
    return true;
}

} // namespace

std::optional<MinorPlanetElements> ReadMinorPlanetLine(std::string_view line, std::string& reason)
{
    MinorPlanetElements planet;
    bool valid = false;
    const auto number = PlanetNumber(Columns(line, 1, 7), valid);
    if (!valid) {
        reason = "désignation illisible";
        return std::nullopt;
    }
    planet.number = number.value_or(0);

    planet.absoluteMagnitude = TrimSpaces(Columns(line, 9, 13));
    planet.slope = TrimSpaces(Columns(line, 15, 19));
    if ((!planet.absoluteMagnitude.empty() && !FixedReal(planet.absoluteMagnitude)) ||
        (!planet.slope.empty() && !FixedReal(planet.slope))) {
        reason = "magnitude absolue ou pente illisible";
        return std::nullopt;
    }
    const auto epoch = UnpackDate(Columns(line, 21, 25));
    if (!epoch) {
        reason = "époque illisible";
        return std::nullopt;
    }
    planet.epoch = *epoch;
    for (const RealField& field : kRealFields) {
        const std::string_view text = TrimSpaces(Columns(line, field.first, field.last));
        const auto value = FixedReal(text);
        if (!value || *value < field.lowest || *value >= field.below) {
            reason = std::string(field.label) + " illisible";
            return std::nullopt;
        }
        planet.*field.member = text;
    }
    if (!FixedReal(Columns(line, 93, 103))) {
        reason = "demi-grand axe illisible";
        return std::nullopt;
    }
    planet.readableDesignation = TrimSpaces(Columns(line, 167, 194));
    if (planet.readableDesignation.empty()) {
        reason = "désignation lisible absente";
        return std::nullopt;
    }
    return planet;
}

std::string_view AsteroidName(std::string_view readableDesignation)
{
    const std::string_view text = TrimSpaces(readableDesignation);
    const auto close = text.find(')');
    if (text.empty() || text.front() != '(' || close == std::string_view::npos)
        return text;
    return TrimSpaces(text.substr(close + 1));
}

std::optional<std::string> MakeAsteroidLine(const MinorPlanetElements& planet, std::string& problem)
{
    if (planet.absoluteMagnitude.empty()) {
        problem = "pas de magnitude absolue";
        return std::nullopt;
    }
    const std::string_view name = AsteroidName(planet.readableDesignation);
    std::string line = FormatC("%6d2000%04d%02d%02d", planet.number, planet.epoch.year, planet.epoch.month,
                               planet.epoch.day);
    const std::pair<std::string_view, std::size_t> fields[] = {
        {planet.meanAnomaly, 10}, {planet.argPerihelion, 10}, {planet.ascendingNode, 10},
        {planet.inclination, 10}, {planet.eccentricity, 10},  {planet.meanMotion, 12},
        {planet.absoluteMagnitude, 6}, {planet.slope, 5},
    };
    for (const auto& [text, width] : fields) {
        if (!Append(line, text, width)) {
            problem = FormatC("« %.*s » ne tient pas dans les %zu caractères de son champ", static_cast<int>(text.size()),
                              text.data(), width);
            return std::nullopt;
        }
    }
    if (name.size() > 17) {
        problem = FormatC("le nom « %.*s » dépasse 17 caractères", static_cast<int>(name.size()), name.data());
        return std::nullopt;
    }
    line.append(name);
    line.append(17 - name.size(), ' ');
    line.append("\r\n");
    return line;
}
