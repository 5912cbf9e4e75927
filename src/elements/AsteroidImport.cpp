#include "elements/AsteroidImport.h"

#include "catalog/AsteroidCatalog.h"
#include "catalog/AsteroidLine.h"
#include "core/CFormat.h"
#include "platform/CatalogReplacement.h"

#include <algorithm>

namespace {

const NumberedAsteroid* FileAsteroid(const MinorPlanetFileReader& file, int number, int limit)
{
    if (number < 1 || number > limit)
        return nullptr;
    const auto& entry = file.asteroids()[static_cast<std::size_t>(number)];
    return entry ? &*entry : nullptr;
}

std::string Count(int count, const char* one, const char* many)
{
    return FormatC("%d %s", count, count > 1 ? many : one);
}

} // namespace

AsteroidImportPlan PlanAsteroidImport(const MinorPlanetFileReader& file, int oldCount, int limit)
{
    AsteroidImportPlan plan;
    plan.limit = std::clamp(limit, 0, MinorPlanetFileReader::kLargestNumber);
    plan.unnumbered = file.unnumbered();
    plan.beyondLimit = file.beyondLargest();
    for (int number = plan.limit + 1; number <= MinorPlanetFileReader::kLargestNumber; ++number)
        if (file.asteroids()[static_cast<std::size_t>(number)])
            ++plan.beyondLimit;

    // Number by number: the file's line, else the old one, else the numbering stops.
    int number = 1;
    for (; number <= MinorPlanetFileReader::kLargestNumber; ++number) {
        const NumberedAsteroid* asteroid = FileAsteroid(file, number, plan.limit);
        if (asteroid && !asteroid->line.empty()) {
            ++(number <= oldCount ? plan.updated : plan.added);
        } else if (number > oldCount) {
            if (asteroid)
                plan.stopProblem = asteroid->problem;
            break;
        } else if (asteroid && plan.unfit++ == 0) {
            plan.unfitProblem = FormatC("le numéro %d : %s", number, asteroid->problem.c_str());
        }
    }
    plan.count = number - 1;
    for (int later = number; later <= plan.limit; ++later)
        if (FileAsteroid(file, later, plan.limit))
            ++plan.afterStop;
    if (plan.afterStop > 0)
        plan.stopNumber = number;
    return plan;
}

int AsteroidCatalogueCount()
{
    CatalogFile file(AsteroidCatalog::kFileName, CatalogFile::Mode::Read);
    return static_cast<int>(std::min<std::int64_t>(file.Length() / kAsteroidLineLength, 99999));
}

AsteroidImportPlan ImportAsteroids(const MinorPlanetFileReader& file, int limit)
{
    CatalogFile catalogue(AsteroidCatalog::kFileName, CatalogFile::Mode::ReadWrite);
    std::string old(static_cast<std::size_t>(catalogue.Length()), '\0');
    catalogue.Seek(0);
    old.resize(catalogue.Read(old.data(), old.size()));
    const int oldCount = static_cast<int>(old.size() / kAsteroidLineLength);

    const AsteroidImportPlan plan = PlanAsteroidImport(file, oldCount, limit);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(std::max(plan.count, oldCount)) * kAsteroidLineLength);
    for (int number = 1; number <= plan.count; ++number) {
        const NumberedAsteroid* asteroid = FileAsteroid(file, number, plan.limit);
        if (asteroid && !asteroid->line.empty())
            bytes += asteroid->line;
        else
            bytes.append(old, static_cast<std::size_t>(number - 1) * kAsteroidLineLength, kAsteroidLineLength);
    }
    // Old lines past the new end (beyond a limit asked for) are kept: nothing is lost.
    if (plan.count < oldCount)
        bytes.append(old, static_cast<std::size_t>(plan.count) * kAsteroidLineLength, std::string::npos);
    ReplaceCatalogContents(catalogue, bytes);
    return plan;
}

std::string AsteroidImportText(const AsteroidImportPlan& plan)
{
    std::string text = std::string(AsteroidCatalog::kFileName) + " : ";
    text += plan.count == 0 ? std::string("aucun astéroïde") : FormatC("astéroïdes 1 à %d", plan.count);
    text += " ; " + Count(plan.updated, "mis à jour", "mis à jour") + ", " + Count(plan.added, "ajouté", "ajoutés") +
            ".";
    if (plan.unnumbered > 0)
        text += "\n" + Count(plan.unnumbered, "objet sans numéro non pris", "objets sans numéro non pris") + ".";
    if (plan.beyondLimit > 0)
        text += "\n" + FormatC("%d non pris au-delà du numéro %d.", plan.beyondLimit, plan.limit);
    if (plan.unfit > 0)
        text += "\n" + FormatC("%d non pris, leur ligne reste telle quelle (%s).", plan.unfit, plan.unfitProblem.c_str());
    if (plan.afterStop > 0) {
        text += "\n" + FormatC("%d non pris après un trou dans la numérotation : ", plan.afterStop);
        text += plan.stopProblem.empty() ? FormatC("le numéro %d manque.", plan.stopNumber)
                                         : FormatC("le numéro %d n'entre pas dans %s (%s).", plan.stopNumber,
                                                   AsteroidCatalog::kFileName, plan.stopProblem.c_str());
    }
    return text;
}
