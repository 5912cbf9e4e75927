#pragma once
// The values the computations can use. A catalogue damaged on disk, or
// written by another program, may hold anything (NaN, a zero perihelion
// distance, an eccentricity of 1e308); such a record is refused before
// anything is computed from it, with a message that names the record and the
// value, so that no table, click or picture shows nonsense. The request
// dialogs check on OK, qav-cli when it reads the record.

#include <optional>
#include <string>

struct AsteroidRecord;
struct CometRecord;
struct SiteRecord;

// The first value of a record the computations cannot use: which one (the
// address of its member in the record checked) and why, as the end of a
// sentence in UTF-8: "la distance au périhélie doit être comprise entre 0.0001
// et 1000000 UA".
struct RecordFault {
    const void* value = nullptr;
    std::string reason;
};

std::optional<RecordFault> CometFault(const CometRecord& comet);
std::optional<RecordFault> SiteFault(const SiteRecord& site);
std::optional<RecordFault> AsteroidFault(const AsteroidRecord& asteroid);

// The messages, UTF-8: "La comète n° 3 (1P/Halley) de COMETS.WDB est
// inutilisable : <reason>." and what to do about it. `number` is the list
// number (index + 1); an asteroid is named by its name and number.
std::string UnusableCometText(int number, const CometRecord& comet, const RecordFault& fault);
std::string UnusableSiteText(int number, const SiteRecord& site, const RecordFault& fault);
std::string UnusableAsteroidText(const AsteroidRecord& asteroid, const RecordFault& fault);

// The message of the record chosen in the selection, or nothing when it can
// be used (the comet and site by their indexes, the asteroid by its number).
std::optional<std::string> UnusableCurrentComet();
std::optional<std::string> UnusableCurrentSite();
std::optional<std::string> UnusableCurrentAsteroid();
