#include "cli/EphemerisCommand.h"

#include "cli/CommandLineFile.h"
#include "cli/WorkingFolder.h"

#include "catalog/AsteroidCatalog.h"
#include "catalog/CometCatalog.h"
#include "catalog/RecordChecks.h"
#include "catalog/SelectionRules.h"
#include "catalog/SelectionState.h"
#include "core/CFormat.h"
#include "core/FieldParsers.h"
#include "elements/ElementsAge.h"
#include "ephemeris/EphemerisWriter.h"
#include "export/CsvWriters.h"
#include "platform/FileError.h"
#include "platform/TextEncoding.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <system_error>

namespace {

constexpr const char* kHelp =
    "Usage : qav-cli [--dir DOSSIER] ephemeris (--comet N | --asteroid N) --first J/M/A\n"
    "                [--days N] [--interval N] [--equinox A] [--format text|csv] [-o FICHIER]\n"
    "\n"
    "Écrit le tableau de l'éphéméride, exactement comme Qav le met dans le texte.\n"
    "\n"
    "  --comet N       la comète numéro N de la liste de COMETS.WDB (1 pour la première)\n"
    "  --asteroid N    l'astéroïde numéroté N de ASTERS.DTB (1 pour Cérès)\n"
    "  --first J/M/A   date du premier jour, par exemple 25/12/2004 ou 1/1/-500\n"
    "  --days N        nombre de jours, c'est-à-dire de lignes (par défaut 31)\n"
    "  --interval N    intervalle entre les jours (par défaut 1 pour une comète,\n"
    "                  10 pour un astéroïde)\n"
    "  --equinox A     équinoxe des coordonnées (par défaut 2000)\n"
    "  --format csv    une ligne CSV par date au lieu du tableau : date, ascension\n"
    "                  droite en heures, déclinaison en degrés, distances, élongation,\n"
    "                  phase, magnitude, direction antisolaire (UTF-8, points décimaux)\n"
    "  -o FICHIER      écrit le fichier .qav (Windows-1252) au lieu de la sortie\n"
    "                  standard (UTF-8) ; les lignes finissent par CR LF dans les deux cas ;\n"
    "                  avec --format csv, le fichier CSV (UTF-8, lignes finies par LF)\n"
    "  --dir DOSSIER   dossier des catalogues (par défaut : voir qav-cli --help)\n"
    "\n"
    "Codes de sortie : 0 tableau écrit, 2 valeur refusée, 3 fichier illisible ou\n"
    "impossible à écrire.\n";

constexpr int kRefused = 2;
constexpr int kFileFailed = 3;

// The options that take a value, and the value given.
using Options = std::map<std::string, std::string>;

bool TakesValue(const std::string& name)
{
    for (const char* known : {"--comet", "--asteroid", "--first", "--days", "--interval", "--equinox", "--format", "-o", "--dir"})
        if (name == known)
            return true;
    return false;
}

// "--name value" or "--name=value"; false with the reason on `err`.
bool ReadOptions(const std::vector<std::string>& arguments, Options& options, std::ostream& err)
{
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const auto equals = name.find('='); name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (!TakesValue(name)) {
            err << "qav-cli ephemeris : option inconnue « " << arguments[i] << " ».\n";
            return false;
        }
        if (!value) {
            if (i + 1 == arguments.size()) {
                err << "qav-cli ephemeris : il manque la valeur de " << name << ".\n";
                return false;
            }
            value = arguments[++i];
        }
        options[name] = *value;
    }
    return true;
}

// Reads a whole number with the dialogs' reader (its message on refusal).
bool ReadNumber(const Options& options, const std::string& name, int& value)
{
    const auto found = options.find(name);
    return found == options.end() || ParseUnsignedInt(found->second, value) == 1;
}

// Puts comet `number` (1-based, in list order) into the selection; false
// with the reason on `err` when the catalogue has no such comet. A comet
// the computations cannot use throws a damaged-file FileError.
bool ChooseCometNumber(int number, std::ostream& err)
{
    SelectionState& state = Selection();
    const int count = static_cast<int>(CometCatalog::List(state.currentComet).size());
    if (number < 1 || number > count) {
        err << "qav-cli ephemeris : " << CometCatalog::kFileName << " n'a pas de comète numéro " << number
            << (count == 0 ? " (il est vide).\n" : FormatC(" (numéros de 1 à %d).\n", count));
        return false;
    }
    ChooseComet(state, number - 1);
    if (const auto unusable = UnusableCurrentComet())
        throw FileError(CometCatalog::kFileName, *unusable);
    return true;
}

// Puts the asteroid numbered `number` into the selection.
bool ChooseAsteroidNumber(int number, std::ostream& err)
{
    // The list entry carries the number in its last four characters: an
    // entry made of them alone names the line, as a choice in the list does.
    // Listed first, as the list dialog does: a file whose lines moved is refused whole.
    AsteroidCatalog catalog;
    catalog.List();
    if (number >= 1 && number <= kMaxAsteroidLines &&
        catalog.Load(std::string(20, ' ') + FormatC("%4d", number), Selection().currentAsteroid)) {
        if (const auto unusable = UnusableCurrentAsteroid())
            throw FileError(AsteroidCatalog::kFileName, *unusable);
        return true;
    }
    err << "qav-cli ephemeris : " << AsteroidCatalog::kFileName << " n'a pas d'astéroïde numéro " << number << ".\n";
    return false;
}

// The .qav bytes, as Qav saves them. Errors name the file as it was typed.
void WriteDocument(const std::filesystem::path& path, const std::string& typedName, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw FileError(FileError::CauseFromErrno(errno), typedName);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeError = errno;
    if (std::fclose(file) != 0 || !written)
        throw FileError(FileError::CauseFromErrno(written ? errno : writeError), typedName);
}

} // namespace

int RunEphemerisCommand(const std::vector<std::string>& arguments, const std::string& catalogueDir,
                        std::ostream& out, std::ostream& err)
{
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            out << kHelp;
            return 0;
        }
    }
    Options options;
    if (!ReadOptions(arguments, options, err))
        return kRefused;
    const bool comet = options.count("--comet") != 0;
    if (comet == (options.count("--asteroid") != 0)) {
        err << "qav-cli ephemeris : donnez soit --comet N, soit --asteroid N.\n";
        return kRefused;
    }
    const std::string format = options.count("--format") ? options["--format"] : "text";
    if (format != "text" && format != "csv") {
        err << "qav-cli ephemeris : --format attend text ou csv, pas « " << format << " ».\n";
        return kRefused;
    }
    if (options.count("--first") == 0) {
        err << "qav-cli ephemeris : la date du premier jour (--first J/M/A) est obligatoire.\n";
        return kRefused;
    }

    // The values go through the dialogs' readers, in the dialogs' order, into
    // the request: each reader prints its own message when it refuses.
    SelectionState& state = Selection();
    EphemerisRequest& request = state.ephemeris;
    int number = 0;
    if (!ReadNumber(options, comet ? "--comet" : "--asteroid", number))
        return kRefused;
    const int dateStatus = ParseDate(options["--first"], request.day, request.month, request.year);
    if (dateStatus != 1) {
        if (options["--first"].empty())
            err << "qav-cli ephemeris : la date du premier jour est vide.\n";
        return kRefused;
    }
    request.dayCount = 31;
    request.dayInterval = comet ? 1 : 10;
    request.equinox = 2000;
    if (!ReadNumber(options, "--days", request.dayCount) || !CheckEphemerisLineCount(request.dayCount) ||
        !ReadNumber(options, "--interval", request.dayInterval) || !CheckEphemerisSpan(request) ||
        !ReadNumber(options, "--equinox", request.equinox) || !CheckEphemerisEquinox(request.equinox))
        return kRefused;
    if (options.count("-o") && options["-o"].empty()) {
        err << "qav-cli ephemeris : -o attend un nom de fichier.\n";
        return kRefused;
    }
    const std::string folder = options.count("--dir") ? options["--dir"] : catalogueDir;

    int leapFebruaryMarker = 0;
    try {
        // The output file is named from where the command was typed.
        std::optional<std::filesystem::path> output;
        if (options.count("-o"))
            output = FromTypingFolder(options["-o"]);
        {
            const WorkingFolder inFolder(folder);
            if (comet ? !ChooseCometNumber(number, err) : !ChooseAsteroidNumber(number, err))
                return kRefused;
        }
        if (format == "csv") {
            const std::string csv = EphemerisCsv(comet ? CometEphemerisLines(state, leapFebruaryMarker)
                                                       : AsteroidEphemerisLines(state, leapFebruaryMarker));
            if (output)
                WriteDocument(*output, options["-o"], csv);
            else
                out << csv << std::flush;
            return 0;
        }
        const std::string text =
            comet ? CometEphemerisText(state, leapFebruaryMarker) : AsteroidEphemerisText(state, leapFebruaryMarker);
        if (output)
            WriteDocument(*output, options["-o"], text);
        else
            out << Windows1252ToUtf8(text) << std::flush;
        if (const std::string notice = EphemerisElementsNotice(state, comet); !notice.empty())
            err << notice << "\n";
    } catch (const FileError& error) {
        err << FileErrorText(error) << "\n";
        return kFileFailed;
    }
    return 0;
}
