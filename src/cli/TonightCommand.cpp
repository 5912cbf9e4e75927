#include "cli/TonightCommand.h"

#include "cli/CommandOptions.h"
#include "cli/WorkingFolder.h"

#include "catalog/SiteRecord.h"
#include "core/CFormat.h"
#include "export/CsvWriters.h"
#include "planner/PlannerCatalog.h"
#include "planner/TonightInput.h"
#include "planner/TonightText.h"
#include "platform/FileError.h"
#include "platform/TextEncoding.h"

#include <ostream>
#include <stop_token>

const char* const kTonightUsage =
    "  tonight --site K [--date J/M/A] [--mag-max M] [--alt-min A] [--comets | --asteroids]\n"
    "          [--format text|csv]\n"
    "                  ce qui est observable depuis le site numéro K de SITES.NDB la nuit\n"
    "                  qui commence le soir du J/M/A (par défaut ce soir) : chaque comète de\n"
    "                  COMETS.WDB et chaque astéroïde de ASTERS.DTB au-dessus de A degrés\n"
    "                  (10 par défaut) pendant la nuit astronomique et pas plus faible que la\n"
    "                  magnitude M (12 par défaut), du plus brillant au plus faible ; --format\n"
    "                  csv écrit un fichier CSV (UTF-8, heures TU ISO 8601)\n";

namespace {

constexpr int kRefused = 2;
constexpr int kFileFailed = 3;

} // namespace

int RunTonightCommand(const std::vector<std::string>& arguments, const std::string& catalogueDir,
                      std::ostream& out, std::ostream& err)
{
    const std::string prefix = "qav-cli tonight : ";
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            out << "Usage : qav-cli [--dir DOSSIER] tonight OPTIONS\n\n" << kTonightUsage;
            return 0;
        }
    }
    CommandOptions options;
    if (const auto refusal =
            options.Read(arguments, {"--site", "--date", "--mag-max", "--alt-min", "--format"}, {"--comets", "--asteroids"})) {
        err << prefix << *refusal << "\n";
        return kRefused;
    }
    const std::optional<int> site = PositiveNumber(options.Value("--site"));
    if (!site) {
        err << prefix << (options.Has("--site") ? "--site attend un nombre entier positif, pas « " +
                                                      options.Value("--site") + " »."
                                                : std::string("donnez le site avec --site K."))
            << "\n";
        return kRefused;
    }
    const std::string format = options.Value("--format", "text");
    if (format != "text" && format != "csv") {
        err << prefix << "--format attend text ou csv, pas « " << format << " ».\n";
        return kRefused;
    }
    if (options.Has("--comets") && options.Has("--asteroids")) {
        err << prefix << "donnez --comets ou --asteroids, pas les deux (sans l'un ni l'autre : les deux).\n";
        return kRefused;
    }

    TonightRequest request;
    request.comets = !options.Has("--asteroids");
    request.asteroids = !options.Has("--comets");
    TonightsEvening(request.day, request.month, request.year);
    const std::string date = options.Value("--date", FormatC("%d/%d/%d", request.day, request.month, request.year));
    if (ReadTonightFields(date, options.Value("--mag-max", "12"), options.Value("--alt-min", "10"), request) !=
        TonightField::None)
        return kRefused;

    PlannerCatalog catalog;
    try {
        const WorkingFolder inFolder(catalogueDir);
        if (const auto refusal = ChooseSite(*site, request.site)) {
            err << prefix << *refusal << "\n";
            return kRefused;
        }
        if (request.comets)
            LoadPlannerComets(catalog);
        if (request.asteroids)
            LoadPlannerAsteroids(catalog);
    } catch (const FileError& error) {
        err << FileErrorText(error) << "\n";
        return kFileFailed;
    }
    if (catalog.damaged > 0)
        err << prefix
            << FormatC(catalog.damaged > 1 ? "%d lignes endommagées ignorées.\n" : "%d ligne endommagée ignorée.\n",
                       catalog.damaged);
    if (catalog.objects.empty()) {
        err << prefix << "aucune orbite à calculer : "
            << (request.comets && request.asteroids ? "COMETS.WDB et ASTERS.DTB sont vides."
                : request.comets                    ? "COMETS.WDB est vide."
                                                    : "ASTERS.DTB est vide.")
            << "\n";
        return kRefused;
    }

    const TonightPlanner planner(request);
    std::vector<TonightRow> rows = PlanTonight(planner, catalog.objects, 0, std::stop_token(), nullptr);
    SortByMagnitude(rows);
    if (format == "csv")
        out << TonightCsv(rows, catalog.objects);
    else
        out << TonightTable(request, planner.dark(), rows, catalog.objects,
                            Windows1252ToUtf8(SiteName(request.site)));
    out << std::flush;
    return 0;
}
