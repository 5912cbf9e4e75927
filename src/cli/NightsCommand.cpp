#include "cli/NightsCommand.h"

#include "cli/CommandOptions.h"
#include "cli/WorkingFolder.h"

#include "catalog/AsteroidRecord.h"
#include "catalog/CometRecord.h"
#include "catalog/SiteRecord.h"
#include "core/CFormat.h"
#include "diagram/DiagramMonth.h"
#include "diagram/DiagramNights.h"
#include "diagram/DiagramObject.h"
#include "export/CsvWriters.h"
#include "planner/TonightText.h"
#include "platform/FileError.h"
#include "platform/TextEncoding.h"

#include <ostream>

const char* const kNightsUsage =
    "  nights (--comet N | --asteroid N) --site K --month M/AAAA [--format text|csv]\n"
    "                  les 368 nuits du diagramme de visibilité, une ligne par nuit datée\n"
    "                  de son soir : heures TU du lever, du passage au méridien, du coucher,\n"
    "                  des passages à 10°, du début et de la fin de la nuit astronomique\n"
    "                  et de la période d'observation confortable ; --format csv écrit un\n"
    "                  fichier CSV (UTF-8, heures TU ISO 8601, vide quand rien n'arrive)\n";

namespace {

constexpr int kRefused = 2;
constexpr int kFileFailed = 3;

std::string Clock(const std::optional<DayNumber>& instant)
{
    return instant ? ClockText(*instant) : std::string("--");
}

std::string NightsTable(const std::vector<NightInstants>& nights, const std::string& title)
{
    std::string text = title + "\nHeures TU ; -- quand l'événement n'a pas lieu.\n\n" + Padded("Soir", 12);
    for (const char* label : {"Lever", "Passage", "Coucher", "10° ↑", "10° ↓", "Nuit", "Fin"})
        text += Padded(label, 9);
    text += "Confort\n";
    for (const NightInstants& night : nights) {
        text += Padded(FormatC("%d/%d/%d", night.day, night.month, night.year), 12);
        for (const std::optional<DayNumber>& event : night.events)
            text += Padded(Clock(event), 9);
        text += (night.comfortStart ? Clock(night.comfortStart) + " à " + Clock(night.comfortEnd) : std::string("--")) +
                "\n";
    }
    return text;
}

} // namespace

int RunNightsCommand(const std::vector<std::string>& arguments, const std::string& catalogueDir, std::ostream& out,
                     std::ostream& err)
{
    const std::string prefix = "qav-cli nights : ";
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            out << "Usage : qav-cli [--dir DOSSIER] nights OPTIONS\n\n" << kNightsUsage;
            return 0;
        }
    }
    CommandOptions options;
    if (const auto refusal = options.Read(arguments, {"--comet", "--asteroid", "--site", "--month", "--format"}, {})) {
        err << prefix << *refusal << "\n";
        return kRefused;
    }
    const bool comet = options.Has("--comet");
    if (comet == options.Has("--asteroid")) {
        err << prefix << "donnez soit --comet N, soit --asteroid N.\n";
        return kRefused;
    }
    for (const char* name : {comet ? "--comet" : "--asteroid", "--site"}) {
        if (!PositiveNumber(options.Value(name))) {
            err << prefix << name << " attend un nombre entier positif, pas « " << options.Value(name) << " ».\n";
            return kRefused;
        }
    }
    const std::string format = options.Value("--format", "text");
    if (format != "text" && format != "csv") {
        err << prefix << "--format attend text ou csv, pas « " << format << " ».\n";
        return kRefused;
    }
    int month = 0, year = 0;
    if (!ReadDiagramMonth(options.Value("--month"), month, year)) {
        err << (options.Has("--month") ? std::string("Vous avez entré une date incorrecte.\nRecommencez !\n")
                                       : prefix + "donnez le mois de départ avec --month M/AAAA.\n");
        return kRefused;
    }

    CometRecord cometRecord{};
    AsteroidRecord asteroidRecord{};
    SiteRecord site{};
    try {
        const WorkingFolder inFolder(catalogueDir);
        const int number = *PositiveNumber(options.Value(comet ? "--comet" : "--asteroid"));
        std::optional<std::string> refusal =
            comet ? ChooseComet(number, cometRecord) : ChooseAsteroid(number, asteroidRecord);
        if (!refusal)
            refusal = ChooseSite(*PositiveNumber(options.Value("--site")), site);
        if (refusal) {
            err << prefix << *refusal << "\n";
            return kRefused;
        }
    } catch (const FileError& error) {
        err << FileErrorText(error) << "\n";
        return kFileFailed;
    }

    const DiagramObject object(comet ? kCometKind : kAsteroidKind, cometRecord, asteroidRecord);
    const std::vector<NightInstants> nights = DiagramNights(object, site, month, year);
    if (format == "csv")
        out << NightsCsv(nights);
    else
        out << NightsTable(nights, object.TitleLine() + " ; site : " + Windows1252ToUtf8(SiteName(site)));
    out << std::flush;
    return 0;
}
