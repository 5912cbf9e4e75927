// qav-cli import and the old-elements notice, run as a script would.

#include "support/CliProcess.h"
#include "support/ElementsFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

TEST(ImportCommandProcess, SummariesRefusalsAndTheNotice)
{
    TempFolder folder;
    folder.Write("COMETS.WDB", "");
    folder.Write("ASTERS.DTB", "");
    const std::string comets = TestDataPath("CometEls.txt");
    const std::string planets = TestDataPath("MPCORB.DAT");
    folder.Write("refused.txt", TestData("CometEls.txt").substr(0, 400));
    struct Case {
        std::string arguments;
        int status;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        const CliRun run = QavCli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(run.out, c.out) << c.arguments;
        EXPECT_EQ(run.err, c.err) << c.arguments;
    }
    EXPECT_EQ(folder.Read("ASTERS.DTB"), TestData("../../data/ASTERS.DTB").substr(0, 10 * 110));
    EXPECT_EQ(folder.Read("COMETS.WDB").size(), 8u * 140);
}
