#include "app/StartOptions.h"

#include "platform/DataFolders.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "Usage : qav [--dir DOSSIER] [FICHIER.qav]\n"
    "        qav [--dir DOSSIER] -p FICHIER.qav\n"
    "        qav [--dir DOSSIER] -pt FICHIER.qav IMPRIMANTE\n"
    "\n"
    "Éphémérides et diagrammes de visibilité de comètes et astéroïdes.\n"
    "Sans fichier, Qav s'ouvre sur un texte vide ; avec, sur ce fichier.\n"
    "\n"
    "  --dir DOSSIER   dossier des catalogues COMETS.WDB, SITES.NDB et ASTERS.DTB\n"
    "  -p FICHIER      imprime le fichier sur l'imprimante par défaut, sans fenêtre\n"
    "  -pt FICHIER IMPRIMANTE\n"
    "                  imprime le fichier sur cette imprimante, sans fenêtre\n"
    "  --help          affiche cette aide\n"
    "  --version       affiche la version\n"
    "\n";

// Qt's own options (with one dash or two), those followed by a value first.
constexpr std::array<std::string_view, 15> kQtValueOptions = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry", "qwindowtitle",
    "title", "qwindowicon", "icon", "session", "display", "name", "style", "stylesheet"};
constexpr std::array<std::string_view, 7> kQtFlags = {"reverse", "widgetcount", "nograb", "dograb",
                                                      "sync", "testability", "qmljsdebugger"};

// 0: not Qt's; 1: Qt's, alone; 2: Qt's, followed by its value.
int QtOptionLength(std::string_view argument)
{
    if (argument.size() < 2 || argument[0] != '-')
        return 0;
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    const auto known = [name](const auto& list) { return std::find(list.begin(), list.end(), name) != list.end(); };
    if (known(kQtValueOptions))
        return equals == std::string_view::npos ? 2 : 1;
    return known(kQtFlags) ? 1 : 0;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

std::string Absolute(const std::string& file)
{
    std::error_code ignored;
    const std::filesystem::path path = std::filesystem::absolute(file, ignored);
    return path.empty() ? file : path.string();
}

StartOptions Refuse(std::ostream& err, const std::string& why)
{
    err << "qav : " << why << "\nEssayez « qav --help ».\n";
    return {true, 2, {}, {}};
}

} // namespace

StartOptions ReadStartOptions(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err)
{
    StartOptions options;
    options.arguments.push_back(argv.empty() ? std::string("qav") : argv[0]);
    for (std::size_t i = 1; i < argv.size(); ++i) {
        const std::string& argument = argv[i];
        const std::string flag = Lower(argument);
        std::error_code ignored;
        if (argument == "--help" || argument == "-h") {
            out << kUsage << kWorkingFolderHelp;
            return {true, 0, {}, {}};
        }
        if (argument == "--version") {
            out << "Qav, version " << QAV_VERSION << "\n";
            return {true, 0, {}, {}};
        }
        if (argument == "--dir") {
            if (i + 1 == argv.size() || argv[i + 1].empty())
                return Refuse(err, "--dir demande un dossier.");
            options.dir = argv[++i];
        } else if (argument.starts_with("--dir=")) {
            options.dir = argument.substr(6);
        } else if (flag == "-p" || flag == "/p" || flag == "-pt" || flag == "/pt") {
            options.arguments.push_back(argument);
            if (i + 1 < argv.size())
                options.arguments.push_back(Absolute(argv[++i]));
            if (flag.ends_with('t') && i + 1 < argv.size())
                options.arguments.push_back(argv[++i]);
        } else if (const int length = QtOptionLength(argument); length > 0) {
            for (int taken = 0; taken < length && i < argv.size(); ++taken)
                options.arguments.push_back(argv[i++]);
            --i;
        } else if (argument.size() > 1 && argument[0] == '-' && !std::filesystem::exists(argument, ignored)) {
            return Refuse(err, "option inconnue « " + argument + " ».");
        } else {
            options.arguments.push_back(argument.empty() || argument[0] == '/' ? argument : Absolute(argument));
        }
    }
    return options;
}
