#include "cli/QavCli.h"

#include "cli/DiagramCommand.h"
#include "cli/EphemerisCommand.h"
#include "cli/ImportCommand.h"
#include "cli/NightsCommand.h"
#include "cli/TonightCommand.h"
#include "platform/DataFolders.h"

#include <ostream>
#include <string>

namespace {

constexpr const char* kUsage =
    "Usage : qav-cli [--dir DOSSIER] COMMANDE [OPTIONS]\n"
    "\n"
    "Éphémérides et diagrammes de visibilité de comètes et astéroïdes, en ligne de commande.\n"
    "\n"
    "Commandes (qav-cli COMMANDE --help en dit plus) :\n"
    "  ephemeris (--comet N | --asteroid N) --first J/M/A [--days N] [--interval N]\n"
    "            [--equinox A] [--format text|csv] [-o FICHIER]\n"
    "                  éphéméride d'une comète (numéro N de la liste de COMETS.WDB)\n"
    "                  ou d'un astéroïde (numéroté N dans ASTERS.DTB) ; --format csv en\n"
    "                  fait un fichier CSV, une ligne par date\n";

constexpr const char* kGeneralOptions =
    "\n"
    "Options générales :\n"
    "  --dir DOSSIER   dossier des catalogues COMETS.WDB, SITES.NDB et ASTERS.DTB\n"
    "  --help          affiche cette aide\n"
    "  --version       affiche la version\n\n";

std::string Usage()
{
    return std::string(kUsage) + kDiagramUsage + kImportUsage + kNightsUsage + kTonightUsage + kGeneralOptions + kWorkingFolderHelp;
}

} // namespace

int RunQavCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    // The general options come before the command.
    std::string catalogueDir;
    std::size_t at = 0;
    while (at < arguments.size() && arguments[at].rfind("--dir", 0) == 0) {
        if (arguments[at].rfind("--dir=", 0) == 0) {
            catalogueDir = arguments[at].substr(6);
            at += 1;
        } else if (arguments[at] == "--dir" && at + 1 < arguments.size()) {
            catalogueDir = arguments[at + 1];
            at += 2;
        } else {
            break;
        }
    }
    if (at == arguments.size()) {
        err << Usage();
        return 2;
    }
    const std::string& first = arguments[at];
    const std::vector<std::string> rest(arguments.begin() + static_cast<std::ptrdiff_t>(at) + 1, arguments.end());
    if (first == "--help" || first == "-h") {
        out << Usage();
        return 0;
    }
    if (first == "--version") {
        out << "qav-cli " << QAV_VERSION << "\n";
        return 0;
    }
    // Without --dir, the same working folder as Qav's.
    if (catalogueDir.empty())
        catalogueDir = WorkingFolderFor("").string();
    if (first == "ephemeris")
        return RunEphemerisCommand(rest, catalogueDir, out, err);
    if (first == "diagram")
        return RunDiagramCommand(rest, catalogueDir, out, err);
    if (first == "nights")
        return RunNightsCommand(rest, catalogueDir, out, err);
    if (first == "tonight")
        return RunTonightCommand(rest, catalogueDir, out, err);
    if (first == "import")
        return RunImportCommand(rest, catalogueDir, out, err);
    err << "qav-cli : argument inconnu « " << first << " ».\n\n" << Usage();
    return 2;
}
