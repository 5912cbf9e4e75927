#include "cli/QavCli.h"

#include "cli/DiagramCommand.h"

#include <filesystem>
#include <ostream>
#include <string>

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

std::string Usage()
{
    return std::string(kUsage) + "\nCommandes :\n" + kDiagramUsage;
}

} // namespace

int RunQavCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.empty()) {
        err << Usage();
        return 2;
    }
    const std::string& first = arguments.front();
    if (first == "--help" || first == "-h") {
        out << Usage();
        return 0;
    }
    if (first == "--version") {
        out << "qav-cli " << QAV_VERSION << "\n";
        return 0;
    }
    // --dir DIR: the catalogues are opened by their bare names in DIR.
    std::vector<std::string> command = arguments;
    if (first == "--dir") {
        std::error_code failed;
        if (arguments.size() >= 2)
            std::filesystem::current_path(arguments[1], failed);
        if (arguments.size() < 2 || failed) {
            err << "qav-cli : dossier introuvable « " << (arguments.size() < 2 ? "" : arguments[1]) << " ».\n";
            return 2;
        }
        command.erase(command.begin(), command.begin() + 2);
    }
    if (!command.empty() && command.front() == "diagram")
        return RunDiagramCommand(std::vector<std::string>(command.begin() + 1, command.end()), out, err);
    const std::string unknown = command.empty() ? std::string() : command.front();
    err << "qav-cli : argument inconnu « " << unknown << " ».\n\n" << Usage();
    return 2;
}
