// qav-cli run as a script would, on the sample catalogues. Event times against PyEphem
// 4.1.4 (python3-ephem, computed once: no refraction, centres of the bodies, sites and
// objects as the catalogues hold them). Exit status 2: bad input; 3: an unusable file.

#include "core/Calendar.h"
#include "diagram/EventGrid.h"
#include "platform/TextEncoding.h"
#include "support/CliProcess.h"
#include "support/ElementsFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

class CliCommand : public testing::Test {
protected:
    void SetUp() override
    {
        folder.CopySamples();
    }

    std::string Dir() const { return "--dir '" + folder.path().string() + "'"; }

    TempFolder folder;
};

// "-4° 37'" in degrees.
double Degrees(const std::string& text)
{
    int degrees = 0, minutes = 0;
    std::sscanf(text.c_str(), "%d\u00b0 %d'", &degrees, &minutes);
    return (text.find('-') == std::string::npos ? 1 : -1) * (std::abs(degrees) + minutes / 60.0);
}

// The line that starts with `start`.
std::vector<std::string> Row(const std::string& csv, const std::string& start)
{
    for (const std::string& line : Lines(csv))
        if (line.rfind(start, 0) == 0)
            return Split(line, ',');
    ADD_FAILURE() << "no line " << start;
    return std::vector<std::string>(13);
}

// Seconds between an ISO 8601 UTC time and the expected "YYYY-MM-DD hh:mm:ss".
double SecondsOff(const std::string& iso, const char* expected)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ey = 0, emo = 0, ed = 0, eh = 0, emi = 0, es = 0;
    if (std::sscanf(iso.c_str(), "%d-%d-%dT%d:%d:%dZ", &y, &mo, &d, &h, &mi, &s) != 6 ||
        std::sscanf(expected, "%d-%d-%d %d:%d:%d", &ey, &emo, &ed, &eh, &emi, &es) != 6)
        return 1e9;
    return (DayNumberFromDate(d, mo, y) - DayNumberFromDate(ed, emo, ey)) * 86400 + (h - eh) * 3600.0 +
           (mi - emi) * 60.0 + (s - es);
}

} // namespace

// 12P/Pons-Brooks (comet 5) from Tromsø (site 17, 69°39' N, 18°57' E) from
// December 2023; azimuths from the south, PyEphem's minus 180 degrees.
TEST_F(CliCommand, DiagramGridClicksAndPicture)
{
    const CliRun run = QavCli(Dir() + " diagram --comet 5 --site 17 --month 12/2023 --grid grid.txt --png chart.png"
                                   " --click 300,200 --click 744,200 --click 11,435");
    ASSERT_EQ(run.status, 0) << run.out;
    // The picture: the signature, then the IHDR chunk, width 771 (0x303) and height 505 (0x1f9).
    const std::string png = folder.Read("chart.png");
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x03\x03\0\0\x01\xf9", 8));

    std::vector<std::vector<int>> grid;
    std::istringstream lines(folder.Read("grid.txt"));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream cells(line);
        grid.emplace_back(std::istream_iterator<int>(cells), std::istream_iterator<int>());
        ASSERT_EQ(grid.back().size(), std::size_t(EventGrid::kRows));
    }
    ASSERT_EQ(grid.size(), std::size_t(EventGrid::kColumns));
    // Column c: the night from 12h UT of day c - 1 to 12h UT of day c (1 December is
    // day 1, 23 April day 145); row r: 4r minutes after 12h UT, the event's minute / 4.
    const struct {
        int column, row, code;  // PyEphem's time
    } events[] = {
        {16, 58, EventCode::NightStart},     // 15 Dec 15:54:53 (Sun at -18 degrees)
        {16, 261, EventCode::NightEnd},      // 16 Dec 05:24:14
        {145, 3, EventCode::Transit},        // 22 Apr 12:14:37
        {145, 87, EventCode::Descending10},  // 22 Apr 17:51:18
        {145, 119, EventCode::Set},          // 22 Apr 19:56:14 (horizon -0°34')
        {145, 248, EventCode::Rise},         // 23 Apr 04:35:39
        {145, 280, EventCode::Ascending10},  // 23 Apr 06:41:34
    };
    for (const auto& e : events) {
        EXPECT_EQ(grid[e.column][e.row], e.code) << e.column << " " << e.row;
        EXPECT_EQ(std::count(grid[e.column].begin(), grid[e.column].end(), e.code), 1) << e.column << " " << e.code;
    }

    // One line per click, an empty one for a click beside the nights: date, time, the
    // comet's altitude, azimuth and magnitude, the Sun's altitude and azimuth.
    // (300, 200): upper half of the column of day 144, so day 145 at 3h 40m.
    const std::vector<std::string> clicks = Lines(run.out);
    ASSERT_EQ(clicks.size(), 3u);
    EXPECT_EQ(clicks[1], "");
    const struct {
        std::size_t line;
        const char *date, *time;
        double altitude, azimuth, magnitude, sunAltitude, sunAzimuth;
    } expected[] = {{0, "23/4/2024", "3h 40m UT", -4.6149, -129.0848, 8.96, 6.5653, -108.9512},
                    {2, "0/12/2023", "12h 0m UT", 58.7453, -12.7645, 14.87, -2.6216, 20.2288}};
    for (const auto& c : expected) {
        const std::vector<std::string> got = Split(clicks[c.line], '\t');
        ASSERT_EQ(got.size(), 7u) << c.date;
        EXPECT_EQ(got[0], c.date);
        EXPECT_EQ(got[1], c.time);
        EXPECT_NEAR(Degrees(got[2]), c.altitude, 2 / 60.0) << got[2];
        EXPECT_NEAR(Degrees(got[3]), c.azimuth, 2 / 60.0) << got[3];
        EXPECT_NEAR(std::stod(got[4]), c.magnitude, 0.06) << got[4];
        EXPECT_NEAR(Degrees(got[5]), c.sunAltitude, 2 / 60.0) << got[5];
        EXPECT_NEAR(Degrees(got[6]), c.sunAzimuth, 2 / 60.0) << got[6];
    }
}

TEST_F(CliCommand, DiagramWrongArgumentsAndMissingFilesAreReported)
{
    const CliRun month = QavCli(Dir() + " diagram --comet 1 --site 1 --month 13/2024");
    EXPECT_EQ(month.status, 2);
    EXPECT_EQ(month.err, "Vous avez entré une date incorrecte.\nRecommencez !\n");
    // As strict as the date fields, within the years a diagram may show.
    const std::pair<const char*, int> cases[] = {
        {"--comet 1 --site 18 --month 1/2024", 2}, {"--comet 25 --site 1 --month 1/2024", 2},
        {"--comet 1 --asteroid 1 --site 1 --month 1/2024", 2}, {"--comet 1 --site 1 --month 1/2024 --click 3", 2},
        {"--comet 1 --site 1", 2}, {"--comet 1 --site 1 --month 1/1e6", 2}, {"--comet 1 --site 1 --month 1/2000abc", 2},
        {"--comet 1 --site 1 --month 1/1000000", 2}, {"--comet 1 --site 1 --month +1/2000", 2},
        {"--comet 1 --site 1 --month 1/2024 --grid ''", 2}, {"--comet 01 --site 01 --month 01/2024", 0}};
    for (const auto& [arguments, status] : cases)
        EXPECT_EQ(QavCli(Dir() + " diagram " + arguments).status, status) << arguments;
    const CliRun year = QavCli(Dir() + " diagram --comet 1 --site 1 --month 1/9999");
    EXPECT_EQ(year.status, 2);
    EXPECT_EQ(year.err, "Erreur ! L'année doit être comprise entre -999 et 9998.\n\nRecommencez !\n");
    std::filesystem::remove(folder.path() / "SITES.NDB");
    const CliRun missing = QavCli(Dir() + " diagram --comet 1 --site 1 --month 1/2024");
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(missing.err, "Impossible de trouver SITES.NDB.\n");
    EXPECT_EQ(QavCli("--dir /nulle/part diagram").status, 2);
}

// The window's "Ephéméride": a daily table from the 1st of the start month, 366 lines, or
// 367 past 10 February of a leap year; the same bytes as the ephemeris command gives.
// Output files are named from where the command is typed, not from the catalogue folder.
TEST_F(CliCommand, DiagramEphemerisOfTheDiagramIsTheYearLongTable)
{
    std::filesystem::create_directory("ici");
    std::filesystem::current_path("ici");
    ASSERT_EQ(QavCli(Dir() + " diagram --comet 5 --site 2 --month 1/2024 --ephemeris leap.qav").status, 0);
    ASSERT_EQ(QavCli(Dir() + " diagram --asteroid 4 --site 2 --month 3/2024 --ephemeris plain.qav").status, 0);
    ASSERT_EQ(QavCli(Dir() + " ephemeris --comet 5 --first 1/1/2024 --days 367 -o expected.qav").status, 0);
    std::filesystem::current_path(folder.path());
    const auto lines = [](const std::string& text) { return std::count(text.begin(), text.end(), '\n'); };
    const std::string leap = folder.Read("ici/leap.qav"), plain = folder.Read("ici/plain.qav");
    EXPECT_EQ(leap, folder.Read("ici/expected.qav"));
    EXPECT_EQ(lines(leap), 7 + 367);
    EXPECT_EQ(lines(plain), 6 + 366);
    EXPECT_NE(plain.find(" 1/ 3/2024"), std::string::npos);
}

// The lines are pinned against PyEphem where the installed program runs
// (DataFolders_test): here the table as a file and on the screen.
TEST_F(CliCommand, EphemerisWritesTheDocumentBytes)
{
    const CliRun toFile = QavCli("ephemeris --comet 5 --first 1/4/2024 -o essai.qav");
    EXPECT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_TRUE(toFile.out.empty());
    const std::string table = folder.Read("essai.qav");
    const CliRun toScreen = QavCli("ephemeris --first=1/4/2024 --comet 5");
    EXPECT_EQ(toScreen.status, 0);
    EXPECT_EQ(toScreen.out, Windows1252ToUtf8(table));
    EXPECT_EQ(toScreen.out.rfind("                     *** COMETE 12P/Pons-Brooks ***\r\n\r\nEléments orbitaux : "
                                 "MPEC 2022\r\nCoordonnées équinoxe 2000.\r\n", 0), 0u);
    // The comet defaults: 31 days, one apart.
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 7 + 31);
    EXPECT_NE(table.find("\r\n 1/ 5/2024 "), std::string::npos);

    // From another folder, with the asteroid defaults (interval 10).
    TempFolder elsewhere;
    const CliRun ceres = QavCli("--dir '" + folder.path().string() + "' ephemeris --asteroid 1 --first 1/9/2024 "
                                "--days 2 --equinox 1950");
    EXPECT_EQ(ceres.status, 0) << ceres.err;
    EXPECT_NE(ceres.out.find("*** Astéroïde Ceres (1) ***\r\n\r\nCoordonnées équinoxe 1950."), std::string::npos);
    EXPECT_NE(ceres.out.find("\r\n11/ 9/2024 "), std::string::npos);
}

TEST_F(CliCommand, RefusalsSayWhyOnceAndExitWithTheirStatus)
{
    const std::tuple<std::string, int, std::string> cases[] = {  // arguments, status, standard error
        {"ephemeris --comet 5 --first 31/4/2024", 2, "Vous avez entré une date non valide.\n\nRecommencez !\n"},
        {"ephemeris --comet 5 --first 1/4/2024 --days -5", 2, "Erreur de saisie ! Recommencez !\n"},
        {"ephemeris --comet 5 --first 1/4/2024 --interval ''", 2, "Étourdi ! Vous avez oublié de saisir une donnée !\n"},
        {"ephemeris --comet 5 --first 1/4/2024 --days 10001", 2,
         "Erreur ! Le nombre de jours ne peut pas dépasser 10000.\n\nRecommencez !\n"},
        {"ephemeris --comet 25 --first 1/4/2024", 2,
         "qav-cli ephemeris : COMETS.WDB n'a pas de comète numéro 25 (numéros de 1 à 24).\n"},
        {"ephemeris --asteroid 228 --first 1/4/2024", 2, "qav-cli ephemeris : ASTERS.DTB n'a pas d'astéroïde numéro 228.\n"},
        {"ephemeris --comet 1 --asteroid 1 --first 1/4/2024", 2,
         "qav-cli ephemeris : donnez soit --comet N, soit --asteroid N.\n"},
        {"ephemeris --comet 1", 2, "qav-cli ephemeris : la date du premier jour (--first J/M/A) est obligatoire.\n"},
        {"ephemeris --comet 1 --first 1/1/2000 --jours 3", 2, "qav-cli ephemeris : option inconnue « --jours ».\n"},
        {"--dir absent ephemeris --comet 1 --first 1/1/2000", 3, "Impossible de trouver absent.\n"},
        {"ephemeris --comet 1 --first 1/1/2000 -o absent/x.qav", 3, "Impossible de trouver absent/x.qav.\n"},
        {"ephemeris --comet 1 --first 1/1/2000 -o ''", 2, "qav-cli ephemeris : -o attend un nom de fichier.\n"},
        {"ephemeris --comet 1 --first 1/1/300000", 2,
         "Erreur ! L'année doit être comprise entre -999 et 9999.\n\nRecommencez !\n"},
        {"ephemeris --comet 1 --first 1/1/2000 --days 3 --interval 1000000000", 2,
         "Erreur ! L'éphéméride irait au-delà de l'an 9999.\n\nRéduisez le nombre de jours ou l'intervalle.\n"},
        {"tonight --site 18", 2, "qav-cli tonight : SITES.NDB n'a pas de site numéro 18 (numéros de 1 à 17).\n"},
        {"tonight --date 1/1/2025", 2, "qav-cli tonight : donnez le site avec --site K.\n"},
        {"tonight --site 1 --date 30/2/2025", 2, "Vous avez entré une date non valide.\n\nRecommencez !\n"},
        {"tonight --site 1 --mag-max 31", 2, "La magnitude limite doit être comprise entre -10 et 30.\n"},
        {"tonight --site 1 --mag-max .", 2, "La magnitude limite doit être un nombre, par exemple 12 ou 10.5.\n"},
        {"tonight --site 1 --alt-min -1", 2, "La hauteur minimale doit être comprise entre 0 et 89°.\n"},
        {"tonight --site 1 --format xml", 2, "qav-cli tonight : --format attend text ou csv, pas « xml ».\n"},
    };
    for (const auto& [arguments, status, err] : cases) {
        const CliRun run = QavCli(arguments);
        EXPECT_EQ(std::tie(run.status, run.err, run.out), std::tie(status, err, "")) << arguments;
    }
    std::remove("COMETS.WDB");
    const CliRun missing = QavCli("ephemeris --comet 1 --first 1/1/2000");
    EXPECT_EQ(std::tie(missing.status, missing.err), std::make_tuple(3, std::string("Impossible de trouver COMETS.WDB.\n")));
    EXPECT_NE(QavCli("ephemeris --help").out.find("--first J/M/A   date du premier jour"), std::string::npos);
    // The general options.
    EXPECT_NE(QavCli("--help").out.find("\n  --dir DOSSIER   dossier des catalogues"), std::string::npos);
    EXPECT_EQ(QavCli("--version").out, "qav-cli " QAV_VERSION "\n");
    const CliRun unknown = QavCli("--nimporte");
    EXPECT_EQ(unknown.status, 2) << unknown.err;
    EXPECT_EQ(unknown.err.rfind("qav-cli : argument inconnu « --nimporte ».\n\nUsage : qav-cli", 0), 0u);
    EXPECT_EQ(QavCli("").status, 2);
}

// A damaged catalogue is a file that cannot be used (status 3) and nothing
// is written: a comet the orbit solver cannot use, lines moved by converted
// line ends, a pipe in a catalogue's place, a folder deleted under the shell.
TEST_F(CliCommand, EphemerisDamagedCataloguesEndWithTheirMessageAndNothingWritten)
{
    std::string comets = folder.Read("COMETS.WDB");
    comets.replace(104, 8, std::string("\0\0\0\0\0\0\xf8\x7f", 8));  // the first one's e: NaN
    folder.Write("COMETS.WDB", comets);
    std::string asteroids = folder.Read("ASTERS.DTB");
    std::erase(asteroids, '\r');
    folder.Write("ASTERS.DTB", asteroids);
    const std::pair<std::string, std::string> cases[] = {
        {"--comet 1", "La comète n° 1 (1P/Halley) de COMETS.WDB est inutilisable : l'excentricité doit être comprise "
                      "entre 0 et 100.\n\nCorrigez-la par Comètes > Base de données.\n"},
        {"--asteroid 3", "ASTERS.DTB est endommagé : la ligne 1 ne finit pas par CR LF en colonnes 109 et 110.\n\n"
                         "Chaque ligne doit compter 110 caractères, fin de ligne comprise.\n"},
        {"--comet 2", "COMETS.WDB n'est pas un fichier ordinaire : Qav ne peut pas l'utiliser.\n"}};
    for (const auto& [object, err] : cases) {
        if (object == "--comet 2") {
            ASSERT_EQ(std::remove("COMETS.WDB") + ::mkfifo("COMETS.WDB", 0600), 0);
        }
        const CliRun run = QavCli("ephemeris " + object + " --first 1/1/2000 -o out.qav");
        EXPECT_EQ(run.status, 3);
        EXPECT_EQ(run.err, err);
        EXPECT_FALSE(std::filesystem::exists("out.qav"));
        // The nights of a diagram read the same records the same way.
        const CliRun nights = QavCli("nights " + object + " --site 1 --month 1/2000 --format csv");
        EXPECT_EQ(nights.status, 3) << object;
        EXPECT_EQ(nights.err, err);
        EXPECT_TRUE(nights.out.empty());
    }
    std::filesystem::create_directory("gone");
    std::filesystem::current_path("gone");
    std::filesystem::remove(folder.path() / "gone");
    const CliRun gone = QavCli("--dir '" + folder.path().string() + "' ephemeris --asteroid 1 --first 1/1/2000 -o x");
    std::filesystem::current_path(folder.path());
    EXPECT_EQ(gone.status, 3);
    EXPECT_EQ(gone.err, "Impossible de trouver x.\n");
}

TEST_F(CliCommand, TonightListsTheNightBrightestFirst)
{
    // A damaged line is left out and counted.
    folder.Write("ASTERS.DTB", folder.Read("ASTERS.DTB") + std::string(108, '#') + "\r\n");
    const CliRun csv = QavCli("tonight --site 1 --date 15/1/2025 --format csv");
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.err, "qav-cli tonight : 1 ligne endommagée ignorée.\n");
    EXPECT_EQ(Lines(csv.out)[0], "name,kind,magnitude,start_utc,end_utc,hours,best_utc,best_alt_deg,best_az_deg,"
                                 "elongation_deg,moon_alt_deg,moon_illum,moon_sep_deg");
    double previous = -99;
    for (std::size_t i = 1; i < Lines(csv.out).size(); ++i) {
        const double magnitude = std::stod(Split(Lines(csv.out)[i], ',')[2]);
        EXPECT_GE(magnitude, previous);
        previous = magnitude;
    }
    // The planner's values (pinned in its own test) in the CSV's units.
    const std::vector<std::string> eunomia = Row(csv.out, "Eunomia (15),asteroid,");
    EXPECT_NEAR(SecondsOff(eunomia[4], "2025-01-16 04:25:39"), 0, 30);  // below 10 degrees
    EXPECT_NEAR(std::stod(eunomia[5]), 10.18, 0.01);  // hours: 18:14:58 to 4:25:39
    EXPECT_NEAR(std::stod(eunomia[8]), 179.960, 0.05);  // azimuth from the north through the east
    EXPECT_NEAR(std::stod(eunomia[11]), 0.9575, 0.002);

    const CliRun text = QavCli("--dir '" + folder.path().string() + "' tonight --site 1 --date 15/1/2025 --mag-max 9");
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out.substr(0, text.out.find("\n\n")),
              "Ce soir depuis Paris - Observatoire : nuit du 15/1/2025\n"
              "Nuit astronomique de 18h15 à 5h45 TU.\n"
              "Au-dessus de 10° de hauteur, jusqu'à la magnitude 9 : 2 objets.");
}

TEST_F(CliCommand, NightsAndEphemerisAsCsv)
{
    const CliRun nights = QavCli("nights --asteroid 4 --site 1 --month 1/2025 --format csv");
    ASSERT_EQ(nights.status, 0) << nights.err;
    ASSERT_EQ(Lines(nights.out).size(), 369u);
    EXPECT_EQ(Lines(nights.out)[0], "date,rise_utc,transit_utc,set_utc,up10_utc,down10_utc,night_start_utc,"
                                    "night_end_utc,comfort_start_utc,comfort_end_utc");
    // Vesta on the night of 15 January, as PyEphem finds every event.
    const std::vector<std::string> night = Row(nights.out, "2025-01-15,");
    const char* expected[] = {"2025-01-16 00:54:39", "2025-01-16 06:28:28", "2025-01-15 12:04:59",
                              "2025-01-16 02:01:16", "2025-01-16 10:55:30", "2025-01-15 18:14:58",
                              "2025-01-16 05:45:14", "2025-01-16 02:01:16", "2025-01-16 05:45:14"};
    for (int k = 0; k < 9; ++k)
        EXPECT_NEAR(SecondsOff(night[static_cast<std::size_t>(k + 1)], expected[k]), 0, 60) << k;
    // Tromsø in June: no astronomical night, so no night and no comfortable period.
    const CliRun summer = QavCli("nights --asteroid 4 --site 17 --month 6/2025 --format csv");
    const std::vector<std::string> june = Row(summer.out, "2025-06-15,");
    EXPECT_EQ(june[6] + june[7] + june[8] + june[9], "");

    // The comet table's first line, 1/4/2024: 2h 9.81m, +22 49.9, 1.610, 0.866, 28.0, 32.8, 9.4, 52.5.
    const CliRun comet = QavCli("ephemeris --comet 5 --first 1/4/2024 --days 3 --format csv");
    ASSERT_EQ(comet.status, 0) << comet.err;
    EXPECT_EQ(Lines(comet.out)[0], "date,ra_h,dec_deg,delta_au,r_au,elong_deg,phase_deg,mag,antisolar_deg");
    const std::vector<std::string> first = Split(Lines(comet.out)[1], ',');
    EXPECT_EQ(first[0], "2024-04-01");
    const double table[] = {2 + 9.81 / 60, 22 + 49.9 / 60, 1.610, 0.866, 28.0, 32.8, 9.4, 52.5};
    const double halfUnit[] = {0.005 / 60, 0.05 / 60, 0.0005, 0.0005, 0.05, 0.05, 0.05, 0.05};
    for (std::size_t k = 0; k < 8; ++k)
        EXPECT_NEAR(std::stod(first[k + 1]), table[k], halfUnit[k]) << k;
    EXPECT_EQ(Lines(comet.out).size(), 4u);
    // An asteroid has no anti-solar direction: the last field is empty.
    const CliRun ceres = QavCli("ephemeris --asteroid 1 --first 1/4/2024 --days 1 --format csv");
    EXPECT_EQ(Lines(ceres.out)[1].back(), ',');
}

TEST_F(CliCommand, ImportSummariesRefusalsAndTheNotice)
{
    folder.Write("COMETS.WDB", "");
    folder.Write("ASTERS.DTB", "");
    const std::string comets = TestDataPath("CometEls.txt");
    const std::string planets = TestDataPath("MPCORB.DAT");
    folder.Write("refused.txt", TestData("CometEls.txt").substr(0, 400));
    const std::tuple<std::string, int, std::string, std::string> cases[] = {  // arguments, status, output, error
        {"tonight --site 1 --comets --date 1/2/2025 --alt-min 89 --mag-max 30", 2, "",  // the bounds pass
         "qav-cli tonight : aucune orbite à calculer : COMETS.WDB est vide.\n"},
        {"import comets " + comets + " --update-only", 0,
         "COMETS.WDB : 0 comète mise à jour, 0 ajoutée.\n8 comètes absentes du catalogue laissées de côté.\n", ""},
        {"import comets " + comets, 0, "COMETS.WDB : 0 comète mise à jour, 8 ajoutées.\n", ""},
        {"import comets " + comets + " --update-only", 0, "COMETS.WDB : 8 comètes mises à jour, 0 ajoutée.\n", ""},
        {"import asteroids " + planets + " --max 10", 0,
         "ASTERS.DTB : astéroïdes 1 à 10 ; 0 mis à jour, 10 ajoutés.\n2 objets sans numéro non pris.\n"
         "3 non pris au-delà du numéro 10.\n", ""},
        {"import comets refused.txt", 2, "",
         "qav-cli import : fichier refusé, rien n'est importé. Ligne 3 : ce n'est pas une ligne d'éléments de "
         "comète (longitude du noeud illisible).\n"},
        {"import asteroids " + comets, 2, "",
         "qav-cli import : fichier refusé, rien n'est importé. Ligne 1 : ce n'est pas une ligne d'éléments "
         "d'astéroïde (désignation illisible).\n"},
        {"import asteroids " + planets + " --max 0", 2, "", "qav-cli import : --max attend un nombre de 1 à 9999, pas « 0 ».\n"},
        {"import planets x", 2, "", "qav-cli import : donnez comets ou asteroids, puis le fichier ou l'adresse.\n"},
        {"import comets absent.txt", 3, "", "qav-cli import : Impossible de trouver absent.txt.\n"},
        {"--dir absent import comets " + comets, 3, "", "Impossible de trouver absent.\n"},
        // Ceres's epoch is 2022 August 9; 2025 January 1 plus 30 lines of 10 days ends 3.2 years after it.
        {"ephemeris --asteroid 1 --first 1/1/2025 --days 31 --interval 10 -o table.qav", 0, "",
         "Éléments anciens : époque 9/8/2022, écart 3,2 ans ; précision de quelques minutes d'arc au plus\n"},
    };
    for (const auto& [arguments, status, out, err] : cases) {
        const CliRun run = QavCli(arguments);
        EXPECT_EQ(std::tie(run.status, run.out, run.err), std::tie(status, out, err)) << arguments;
    }
    EXPECT_EQ(folder.Read("ASTERS.DTB"), TestData("../../data/ASTERS.DTB").substr(0, 10 * 110));
    EXPECT_EQ(folder.Read("COMETS.WDB").size(), 8u * 140);
}
