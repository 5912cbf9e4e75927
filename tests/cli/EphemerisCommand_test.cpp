// qav-cli ephemeris run as a process on the sample catalogues: the table on
// standard output in UTF-8, the .qav bytes with -o, the refusals and their
// exit statuses.

#include "platform/TextEncoding.h"
#include "support/CliProcess.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace {

class EphemerisCommand : public testing::Test {
protected:
    void SetUp() override
    {
        data.CopySample("COMETS.WDB");
        data.CopySample("ASTERS.DTB");
    }
    TempFolder data;
};

} // namespace

// The lines themselves are pinned against PyEphem where the installed program
// is run (DataFolders_test): here the same table as a file, on the screen and
// from another folder.
TEST_F(EphemerisCommand, WritesTheDocumentBytes)
{
    const CliRun toFile = QavCli("ephemeris --comet 5 --first 1/4/2024 -o essai.qav");
    EXPECT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_TRUE(toFile.out.empty());
    const std::string table = data.Read("essai.qav");
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
    const CliRun ceres = QavCli("--dir '" + data.path().string() + "' ephemeris --asteroid 1 --first 1/9/2024 "
                                "--days 2 --equinox 1950");
    EXPECT_EQ(ceres.status, 0) << ceres.err;
    EXPECT_NE(ceres.out.find("*** Astéroïde Ceres (1) ***\r\n\r\nCoordonnées équinoxe 1950."), std::string::npos);
    EXPECT_NE(ceres.out.find("\r\n11/ 9/2024 "), std::string::npos);
}

TEST_F(EphemerisCommand, RefusalsSayWhyOnceAndExitWithTheirStatus)
{
    struct Case {
        std::string arguments;
        int status;
        std::string err;
    };
    const std::vector<Case> cases = {
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
    };
    for (const Case& c : cases) {
        const CliRun run = QavCli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(run.err, c.err) << c.arguments;
        EXPECT_TRUE(run.out.empty()) << c.arguments;
    }
    std::remove("COMETS.WDB");
    const CliRun missing = QavCli("ephemeris --comet 1 --first 1/1/2000");
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(missing.err, "Impossible de trouver COMETS.WDB.\n");

    const CliRun help = QavCli("ephemeris --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--first J/M/A   date du premier jour"), std::string::npos);
    // The general options.
    EXPECT_NE(QavCli("--help").out.find("\n  --dir DOSSIER   dossier des catalogues"), std::string::npos);
    EXPECT_EQ(QavCli("--version").out, "qav-cli " QAV_VERSION "\n");
    const CliRun unknown = QavCli("--nimporte");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err.rfind("qav-cli : argument inconnu « --nimporte ».\n\nUsage : qav-cli", 0), 0u);
    EXPECT_EQ(QavCli("").status, 2);
}

// A damaged catalogue is a file that cannot be used (status 3) and nothing
// is written: a comet the orbit solver cannot use, lines moved by converted
// line ends, a pipe in a catalogue's place, a folder deleted under the shell.
TEST_F(EphemerisCommand, DamagedCataloguesEndWithTheirMessageAndNothingWritten)
{
    std::string comets = data.Read("COMETS.WDB");
    comets.replace(104, 8, std::string("\0\0\0\0\0\0\xf8\x7f", 8));  // the first one's e: NaN
    data.Write("COMETS.WDB", comets);
    std::string asteroids = data.Read("ASTERS.DTB");
    std::erase(asteroids, '\r');
    data.Write("ASTERS.DTB", asteroids);
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
    std::filesystem::remove(data.path() / "gone");
    const CliRun gone = QavCli("--dir '" + data.path().string() + "' ephemeris --asteroid 1 --first 1/1/2000 -o x");
    std::filesystem::current_path(data.path());
    EXPECT_EQ(gone.status, 3);
    EXPECT_EQ(gone.err, "Impossible de trouver x.\n");
}
