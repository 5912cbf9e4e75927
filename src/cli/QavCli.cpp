#include "cli/QavCli.h"

#include <ostream>

namespace {

constexpr const char* kUsage =
    "Usage : qav-cli [--dir DOSSIER] COMMANDE [OPTIONS]\n"
    "\n"
    "Éphémérides et diagrammes de visibilité de comètes et astéroïdes, en ligne de commande.\n"
    "\n"
    "Options générales :\n"
    "  --dir DOSSIER   dossier des catalogues COMETS.WDB, SITES.NDB et ASTERS.DTB\n"
    "                  (par défaut : le dossier courant)\n"
    "  --help          affiche cette aide\n"
    "  --version       affiche la version\n";

} // namespace

int RunQavCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.empty()) {
        err << kUsage;
        return 2;
    }
    const std::string& first = arguments.front();
    if (first == "--help" || first == "-h") {
        out << kUsage;
        return 0;
    }
    if (first == "--version") {
        out << "qav-cli " << QAV_VERSION << "\n";
        return 0;
    }
    err << "qav-cli : argument inconnu « " << first << " ».\n\n" << kUsage;
    return 2;
}
