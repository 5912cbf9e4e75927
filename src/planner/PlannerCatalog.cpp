#include "planner/PlannerCatalog.h"

#include "catalog/AsteroidCatalog.h"
#include "catalog/AsteroidLine.h"
#include "catalog/CometCatalog.h"
#include "catalog/RecordChecks.h"
#include "catalog/RecordFile.h"
#include "platform/CatalogFile.h"
#include "platform/TextEncoding.h"

#include <cmath>

// The same limits as the tables and diagrams: a record they refuse is left out.
bool IsSoundCometRecord(const CometRecord& comet) { return !CometFault(comet); }

void LoadPlannerComets(PlannerCatalog& catalog)
{
    CatalogFile file(CometCatalog::kFileName, CatalogFile::Mode::Read);
    const std::int64_t count = RecordFile::Count<CometRecord>(file);
    if (file.Length() % static_cast<std::int64_t>(sizeof(CometRecord)) != 0)
        ++catalog.damaged;
    file.Seek(0);
    for (std::int64_t index = 0; index < count; ++index) {
        PlannerObject object;
        if (file.Read(&object.cometRecord, sizeof(CometRecord)) < sizeof(CometRecord))
            break;  // the file shrank under us
        if (!IsSoundCometRecord(object.cometRecord)) {
            ++catalog.damaged;
            continue;
        }
        object.comet = true;
        object.index = static_cast<int>(index);
        object.name = Windows1252ToUtf8(CometName(object.cometRecord));
        catalog.objects.push_back(std::move(object));
    }
}

void LoadPlannerAsteroids(PlannerCatalog& catalog)
{
    CatalogFile file(AsteroidCatalog::kFileName, CatalogFile::Mode::Read);
    const std::int64_t length = file.Length();
    if (length % kAsteroidLineLength != 0)
        ++catalog.damaged;
    file.Seek(0);
    // A few hundred lines per read.
    constexpr std::size_t kLinesPerBlock = 512;
    std::string block(kLinesPerBlock * kAsteroidLineLength, '\0');
    const std::int64_t count = length / kAsteroidLineLength;
    for (std::int64_t first = 0; first < count; first += static_cast<std::int64_t>(kLinesPerBlock)) {
        const std::size_t got = file.Read(block.data(), block.size());
        for (std::size_t at = 0; at + kAsteroidLineLength <= got; at += kAsteroidLineLength) {
            const std::string_view line = std::string_view(block).substr(at, kAsteroidLineLength);
            if (!IsSoundAsteroidLine(line)) {
                ++catalog.damaged;
                continue;
            }
            // The asteroid numbered N is the one on line N, as the list reads it.
            PlannerObject object;
            object.comet = false;
            object.index = static_cast<int>(first + static_cast<std::int64_t>(at / kAsteroidLineLength) + 1);
            ConvertAsteroidLine(line, object.index, object.asteroidRecord);
            object.asteroidRecord.fieldTexts = {};
            if (AsteroidFault(object.asteroidRecord)) {
                ++catalog.damaged;
                continue;
            }
            object.name = Windows1252ToUtf8(object.asteroidRecord.name);
            catalog.objects.push_back(std::move(object));
        }
        if (got < block.size())
            break;
    }
}
