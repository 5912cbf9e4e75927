#include "cli/ImportCommand.h"

#include "cli/CliSupport.h"
#include "cli/WorkingFolder.h"

#include "core/CFormat.h"
#include "elements/AsteroidImport.h"
#include "elements/CometImport.h"
#include "elements/ElementsFileReader.h"
#include "elements/ElementsSource.h"
#include "platform/FileError.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <ostream>

const char* const kImportUsage =
    "  import comets (FICHIER | ADRESSE) [--update-only]\n"
    "  import asteroids (FICHIER | ADRESSE) [--max N]\n"
    "                  importe les éléments du Minor Planet Center, d'un fichier ou d'une\n"
    "                  adresse http(s) : comets lit CometEls.txt et met à jour dans\n"
    "                  COMETS.WDB les comètes qui y sont déjà, ajoute les autres (aucune\n"
    "                  avec --update-only) ; asteroids lit MPCORB.DAT ou un extrait et\n"
    "                  remplace dans ASTERS.DTB les astéroïdes numérotés 1 à N sans trou,\n"
    "                  N au plus 9999 (--max N pour moins)\n";

namespace {

constexpr int kRefused = 2;
constexpr int kFileFailed = 3;

struct ImportArguments {
    bool comets = false;
    std::string source;
    bool updateOnly = false;
    int limit = MinorPlanetFileReader::kLargestNumber;
};

ImportArguments ParseArguments(const std::vector<std::string>& arguments)
{
    if (arguments.empty() || (arguments[0] != "comets" && arguments[0] != "asteroids"))
        throw UsageError("qav-cli import : donnez comets ou asteroids, puis le fichier ou l'adresse.");
    ImportArguments parsed;
    parsed.comets = arguments[0] == "comets";
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (parsed.comets && argument == "--update-only") {
            parsed.updateOnly = true;
        } else if (!parsed.comets && (argument == "--max" || argument.rfind("--max=", 0) == 0)) {
            std::string value = argument.size() > 5 ? argument.substr(6) : std::string();
            if (argument == "--max") {
                if (i + 1 == arguments.size())
                    throw UsageError("qav-cli import : il manque la valeur de --max.");
                value = arguments[++i];
            }
            int limit = 0;
            if (!ScanInt(value, limit) || FormatC("%d", limit) != value || limit < 1 ||
                limit > MinorPlanetFileReader::kLargestNumber)
                throw UsageError("qav-cli import : --max attend un nombre de 1 à 9999, pas « " + value + " ».");
            parsed.limit = limit;
        } else if (argument.rfind("--", 0) == 0 || !parsed.source.empty()) {
            throw UsageError("qav-cli import : argument inconnu « " + argument + " ».");
        } else {
            parsed.source = argument;
        }
    }
    if (parsed.source.empty())
        throw UsageError("qav-cli import : donnez le fichier ou l'adresse des éléments.");
    return parsed;
}

// Downloads need Qt's event loop; a file is read through the same source.
std::unique_ptr<QCoreApplication> StartCore()
{
    if (QCoreApplication::instance())
        return nullptr;
    qInstallMessageHandler(KeepSeriousQtMessages);
    static QtArguments arguments;
    auto application = std::make_unique<QCoreApplication>(arguments.argc, arguments.argv);
    std::setlocale(LC_NUMERIC, "C");
    return application;
}

// Reads the whole source into `reader`; the reason on failure, "" when read.
QString ReadSource(const std::string& source, ElementsFileReader& reader)
{
    const std::unique_ptr<QCoreApplication> core = StartCore();
    ElementsSource elements;
    QEventLoop loop;
    QString failure;
    QObject::connect(&elements, &ElementsSource::finished, &loop, [&](const QString& error) {
        failure = error;
        loop.quit();
    });
    elements.Start(QString::fromStdString(source), [&reader](std::string_view bytes) { return reader.Feed(bytes); });
    loop.exec();
    return failure;
}

} // namespace

int RunImportCommand(const std::vector<std::string>& arguments, const std::string& catalogueDir,
                     std::ostream& out, std::ostream& err)
{
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        out << "Usage : qav-cli [--dir DOSSIER] import ...\n\n" << kImportUsage;
        return 0;
    }
    try {
        ImportArguments parsed = ParseArguments(arguments);
        // A file is named from where the command was typed.
        if (!ElementsSource::IsAddress(QString::fromStdString(parsed.source)))
            parsed.source = std::filesystem::absolute(parsed.source).string();

        std::unique_ptr<ElementsFileReader> reader;
        if (parsed.comets)
            reader = std::make_unique<CometFileReader>();
        else
            reader = std::make_unique<MinorPlanetFileReader>();
        const QString failure = ReadSource(parsed.source, *reader);
        if (!failure.isEmpty()) {
            err << "qav-cli import : " << failure.toStdString() << "\n";
            return kFileFailed;
        }
        if (!reader->Finish()) {
            err << "qav-cli import : fichier refusé, rien n'est importé. " << reader->error() << "\n";
            return kRefused;
        }

        const WorkingFolder inFolder(catalogueDir);
        if (parsed.comets) {
            const auto& comets = static_cast<const CometFileReader&>(*reader).comets();
            out << CometImportText(ImportComets(comets, parsed.updateOnly)) << "\n";
        } else {
            const auto& planets = static_cast<const MinorPlanetFileReader&>(*reader);
            out << AsteroidImportText(ImportAsteroids(planets, parsed.limit)) << "\n";
        }
        return 0;
    } catch (const UsageError& error) {
        err << error.text() << "\n";
        return kRefused;
    } catch (const FileError& error) {
        err << FileErrorText(error) << "\n";
        return kFileFailed;
    }
}
