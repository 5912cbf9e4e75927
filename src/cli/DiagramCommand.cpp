#include "cli/DiagramCommand.h"

#include "cli/CliSupport.h"
#include "cli/CommandLineFile.h"
#include "cli/WorkingFolder.h"

#include "catalog/AsteroidCatalog.h"
#include "catalog/CometCatalog.h"
#include "catalog/RecordChecks.h"
#include "catalog/SelectionState.h"
#include "catalog/SiteCatalog.h"
#include "core/CFormat.h"
#include "diagram/ComputeDiagram.h"
#include "diagram/DiagramMonth.h"
#include "diagram/DiagramObject.h"
#include "diagram/EventGrid.h"
#include "diagram/InfoBox.h"
#include "diagram/InstantView.h"
#include "diagram/QImageCanvas.h"
#include "elements/ElementsAge.h"
#include "ephemeris/EphemerisWriter.h"
#include "platform/FileError.h"

#include <QGuiApplication>
#include <QImage>
#include <clocale>
#include <filesystem>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>

const char* const kDiagramUsage =
    "  diagram (--comet N | --asteroid N) --site K --month M/AAAA\n"
    "          [--png FICHIER] [--grid FICHIER] [--ephemeris FICHIER] [--click X,Y]...\n"
    "                  diagramme de visibilité de 368 nuits à partir du 1er du mois M :\n"
    "                  --comet N la comète numéro N de COMETS.WDB, --asteroid N l'astéroïde\n"
    "                  numéro N de ASTERS.DTB, --site K le site numéro K de SITES.NDB ;\n"
    "                  --png l'image 771 x 505 de la fenêtre, --grid la grille des\n"
    "                  événements (370 lignes de 360 codes, -1 pour rien), --ephemeris\n"
    "                  l'éphéméride d'un an du menu Ephéméride (fichier .qav) ; chaque --click\n"
    "                  est un clic gauche au point (X, Y) de l'image et écrit une ligne :\n"
    "                  date, heure, hauteur, azimut et magnitude de l'objet, hauteur et\n"
    "                  azimut du Soleil, séparés par des tabulations (ligne vide pour un\n"
    "                  clic hors du diagramme)\n";

namespace {

struct DiagramArguments {
    int comet = 0;     // list number, 1-based
    int asteroid = 0;  // asteroid number
    int site = 0;      // list number, 1-based
    std::string month;
    std::string png;
    std::string grid;
    std::string ephemeris;
    std::vector<std::pair<int, int>> clicks;
};

// Digits only, as the dialogs' number fields read them ("01" is 1).
int PositiveNumber(const std::string& option, const std::string& text)
{
    int value = 0;
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || !ScanInt(text, value) ||
        value < 1)
        throw UsageError("qav-cli : " + option + " attend un nombre entier positif, pas « " + text + " ».");
    return value;
}

std::pair<int, int> ClickPoint(const std::string& text)
{
    const auto comma = text.find(',');
    int x = 0;
    int y = 0;
    if (comma == std::string::npos || !ScanInt(text.substr(0, comma), x) || !ScanInt(text.substr(comma + 1), y) ||
        FormatC("%d,%d", x, y) != text)
        throw UsageError("qav-cli : --click attend un point X,Y, pas « " + text + " ».");
    return {x, y};
}

std::string FileName(const std::string& option, const std::string& text)
{
    if (text.empty())
        throw UsageError("qav-cli : " + option + " attend un nom de fichier.");
    return text;
}

DiagramArguments ParseArguments(const std::vector<std::string>& arguments)
{
    DiagramArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (i + 1 >= arguments.size())
            throw UsageError("qav-cli : l'option « " + option + " » attend une valeur.");
        const std::string& value = arguments[++i];
        if (option == "--comet")
            parsed.comet = PositiveNumber(option, value);
        else if (option == "--asteroid")
            parsed.asteroid = PositiveNumber(option, value);
        else if (option == "--site")
            parsed.site = PositiveNumber(option, value);
        else if (option == "--month")
            parsed.month = value;
        else if (option == "--png")
            parsed.png = FileName(option, value);
        else if (option == "--grid")
            parsed.grid = FileName(option, value);
        else if (option == "--ephemeris")
            parsed.ephemeris = FileName(option, value);
        else if (option == "--click")
            parsed.clicks.push_back(ClickPoint(value));
        else
            throw UsageError("qav-cli : option inconnue « " + option + " ».");
    }
    if ((parsed.comet == 0) == (parsed.asteroid == 0))
        throw UsageError("qav-cli : donnez soit --comet N, soit --asteroid N.");
    if (parsed.site == 0)
        throw UsageError("qav-cli : donnez le site avec --site K.");
    if (parsed.month.empty())
        throw UsageError("qav-cli : donnez le mois de départ avec --month M/AAAA.");
    return parsed;
}

// The object and the site into the selection, as the request dialogs leave them.
void LoadChoices(const DiagramArguments& arguments, SelectionState& state)
{
    if (arguments.comet != 0) {
        CometRecord buffer{};
        const int count = static_cast<int>(CometCatalog::List(buffer).size());
        if (arguments.comet > count)
            throw UsageError(FormatC("qav-cli : il n'y a pas de comète numéro %d (COMETS.WDB en compte %d).",
                                     arguments.comet, count));
        state.cometIndex = arguments.comet - 1;
        CometCatalog::Read(state.cometIndex, state.currentComet);
        if (const auto unusable = UnusableCurrentComet())
            throw FileError(CometCatalog::kFileName, *unusable);
    } else {
        // Listed first, as the list dialog does: a file whose lines moved is refused whole.
        AsteroidCatalog catalog;
        catalog.List();
        if (arguments.asteroid > kMaxAsteroidLines ||
            !catalog.Load(FormatC("%20s%4d", "", arguments.asteroid), state.currentAsteroid))
            throw UsageError(FormatC("qav-cli : il n'y a pas d'astéroïde numéro %d dans ASTERS.DTB.",
                                     arguments.asteroid));
        if (const auto unusable = UnusableCurrentAsteroid())
            throw FileError(AsteroidCatalog::kFileName, *unusable);
    }
    SiteRecord buffer{};
    const int sites = static_cast<int>(SiteCatalog::List(buffer, SiteListStyle::CometDiagram).size());
    if (arguments.site > sites)
        throw UsageError(
            FormatC("qav-cli : il n'y a pas de site numéro %d (SITES.NDB en compte %d).", arguments.site, sites));
    state.siteIndex = arguments.site - 1;
    SiteCatalog::Read(state.siteIndex, state.currentSite);
    if (const auto unusable = UnusableCurrentSite())
        throw FileError(SiteCatalog::kFileName, *unusable);
}

// The fonts of the image need a GUI application; without a display it
// draws off screen.
std::unique_ptr<QGuiApplication> StartGui()
{
    qInstallMessageHandler(KeepSeriousQtMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QtArguments arguments;
    auto application = std::make_unique<QGuiApplication>(arguments.argc, arguments.argv);
    std::setlocale(LC_NUMERIC, "C");
    return application;
}

bool WriteGrid(const std::string& fileName, const EventGrid& grid)
{
    std::ofstream file(fileName, std::ios::binary);
    for (int column = 0; column < EventGrid::kColumns && file; ++column) {
        std::string line;
        for (int row = 0; row < EventGrid::kRows; ++row) {
            if (row > 0)
                line += ' ';
            line += std::to_string(grid.At(column, row));
        }
        file << line << '\n';
    }
    file.close();
    return static_cast<bool>(file);
}

// A file named on the command line, from the folder the command was typed in.
std::string FromHere(const std::string& fileName)
{
    return fileName.empty() ? fileName : FromTypingFolder(fileName).string();
}

bool WriteBytes(const std::string& fileName, const std::string& bytes)
{
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

} // namespace

int RunDiagramCommand(const std::vector<std::string>& arguments, const std::string& catalogueDir,
                      std::ostream& out, std::ostream& err)
{
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        out << "Usage : qav-cli [--dir DOSSIER] diagram OPTIONS\n\n" << kDiagramUsage;
        return 0;
    }
    SelectionState& state = Selection();
    try {
        DiagramArguments parsed = ParseArguments(arguments);
        parsed.png = FromHere(parsed.png);
        parsed.grid = FromHere(parsed.grid);
        parsed.ephemeris = FromHere(parsed.ephemeris);
        {
            const WorkingFolder inFolder(catalogueDir);
            LoadChoices(parsed, state);
        }
        if (!ReadDiagramMonth(parsed.month, state.diagram.month, state.diagram.year)) {
            err << "Vous avez entré une date incorrecte.\nRecommencez !\n";
            return 2;
        }
        if (!IsDiagramYear(state.diagram.year)) {
            err << DiagramYearRangeText() << "\n";
            return 2;
        }
        const int objectKind = parsed.comet != 0 ? kCometKind : kAsteroidKind;
        const DiagramObject object(objectKind, state.currentComet, state.currentAsteroid);

        std::unique_ptr<QGuiApplication> gui;
        std::optional<QImage> image;
        if (!parsed.png.empty()) {
            gui = StartGui();
            image = MakeDiagramImage();
        }
        auto newCanvas = [&image]() -> std::unique_ptr<Canvas> {
            if (image)
                return std::make_unique<QImageCanvas>(*image);
            return std::make_unique<NullCanvas>();
        };

        int leapFebruaryMarker = 0;
        EventGrid& grid = TheEventGrid();
        ComputeDiagram(object, state.currentSite, state.ephemeris, leapFebruaryMarker, grid, *newCanvas());
        if (const std::string notice = DiagramElementsNotice(ElementsEpoch(state, object.IsComet()), state.diagram.month, state.diagram.year); !notice.empty())
            err << notice << "\n";

        for (const auto& [x, y] : parsed.clicks) {
            const std::optional<ClickInstant> instant = InstantAtClick(x, y);
            if (!instant) {
                out << '\n';
                continue;
            }
            const InstantViewResult view =
                InstantView(object, state.currentSite, state.ephemeris, instant->day, instant->hour, instant->minute);
            const InfoBoxTexts texts = MakeInfoBoxTexts(view, *instant, state.diagram.month, state.diagram.year,
                                                        leapFebruaryMarker != 0);
            DrawInfoBox(*newCanvas(), texts, objectKind == kCometKind);
            out << texts.date << '\t' << texts.time << '\t' << texts.objectAltitude << '\t' << texts.objectAzimuth
                << '\t' << texts.magnitude << '\t' << texts.sunAltitude << '\t' << texts.sunAzimuth << '\n';
        }

        if (!parsed.grid.empty() && !WriteGrid(parsed.grid, grid)) {
            err << "qav-cli : impossible d'écrire " << parsed.grid << ".\n";
            return 3;
        }
        if (!parsed.ephemeris.empty()) {
            // What the window's "Ephéméride" writes into the text: a year of daily lines.
            const std::optional<std::string> text = EphemerisFromDiagramText(state, objectKind, leapFebruaryMarker);
            if (!text || !WriteBytes(parsed.ephemeris, *text)) {
                err << "qav-cli : impossible d'écrire " << parsed.ephemeris << ".\n";
                return 3;
            }
        }
        if (image && !image->save(QString::fromStdString(parsed.png), "PNG")) {
            err << "qav-cli : impossible d'écrire " << parsed.png << ".\n";
            return 3;
        }
        return 0;
    } catch (const UsageError& error) {
        err << error.text() << "\n";
        return 2;
    } catch (const FileError& error) {
        err << FileErrorText(error) << "\n";
        return 3;
    }
}
