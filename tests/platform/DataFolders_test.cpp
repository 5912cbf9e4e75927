// The working folder of qav and qav-cli, and the installed program finding its
// sample catalogues with no catalogue around.

#include "platform/DataFolders.h"
#include "support/CliProcess.h"
#include "support/TempFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(DataFolders, WorkingFolderOrder)
{
    TempFolder withCatalogue;
    withCatalogue.Write("SITES.NDB", "");
    const fs::path empty = withCatalogue.path() / "vide";
    fs::create_directory(empty);
    const fs::path cur = withCatalogue.path();
    // --dir, QAV_HOME, XDG_DATA_HOME, HOME, current folder: the folder, and whether it is the user's data folder.
    const std::tuple<WorkingFolderSources, fs::path, bool> cases[] = {
        {{"d", "/q", "/x", "/home/u", cur}, "d", false},
        {{"", "/q", "/x", "/home/u", cur}, "/q", false},
        {{"", "", "/x", "/home/u", cur}, cur, false},
        {{"", "", "/x", "/home/u", empty}, "/x/qav", true},
        {{"", "", "", "/home/u", empty}, "/home/u/.local/share/qav", true},
        {{"", "", "relatif", "/home/u", empty}, "/home/u/.local/share/qav", true},
    };
    for (const auto& [sources, folder, userDataFolder] : cases) {
        const WorkingFolderChoice choice = ChooseWorkingFolder(sources);
        EXPECT_EQ(std::tie(choice.folder, choice.userDataFolder), std::tie(folder, userDataFolder));
    }
}

TEST(DataFolders, InstalledProgramStartsOnTheSamples)
{
    TempFolder prefix;
    ASSERT_EQ(std::system(("'" QAV_CMAKE_COMMAND "' --install '" QAV_BUILD_DIR "' --prefix '" + prefix.path().string() +
                           "' >/dev/null").c_str()),
              0);
    for (const char* file : {"bin/qav", "bin/qav-cli", "share/qav/help/html/Aide de Qav - frameset.htm",
                             "share/qav/samples/ASTERS.DTB", "share/applications/io.github.qav_astro.Qav.desktop",
                             "share/metainfo/io.github.qav_astro.Qav.metainfo.xml",
                             "share/icons/hicolor/scalable/apps/io.github.qav_astro.Qav.svg",
                             "share/icons/hicolor/48x48/apps/io.github.qav_astro.Qav.png"})
        EXPECT_TRUE(fs::is_regular_file(prefix.path() / file)) << file;

    // From an empty folder, with a home that holds only the user's own asteroids: the other
    // samples are copied to the XDG folder and read there. Halley's lines: RA, Dec, distances
    // and elongation from PyEphem 4.1.4; phase and anti-solar angle by hand from those and
    // PyEphem's Sun; m1 = 4 + 15 log r + 5 log delta.
    fs::create_directories(prefix.path() / "home/.local/share/qav");
    prefix.Write("home/.local/share/qav/ASTERS.DTB", "mes astéroïdes");
    fs::create_directory(prefix.path() / "ici");
    const std::string env = "cd '" + prefix.path().string() + "/ici' && env -u QAV_HOME -u XDG_DATA_HOME HOME='" +
                            prefix.path().string() + "/home' '" + prefix.path().string() + "/bin/";
    const CliRun table = RunCommand(env + "qav-cli' ephemeris --comet 1 --first 1/1/2024 --days 2");
    EXPECT_EQ(table.status, 0) << table.err;
    EXPECT_EQ(table.out.rfind("                     *** COMETE 1P/Halley ***\r\n", 0), 0u);
    EXPECT_NE(table.out.find("\r\n 1/ 1/2024    8 20.09    2 12.6  34.302 35.144  148.4    0.8    34.9   -46.7\r\n"
                             " 2/ 1/2024    8 19.98    2 12.8  34.295 35.144  149.3    0.8    34.9   -45.5\r\n"),
              std::string::npos)
        << table.out;
    EXPECT_EQ(fs::file_size(prefix.path() / "home/.local/share/qav/SITES.NDB"), 17u * 64);
    EXPECT_EQ(prefix.Read("home/.local/share/qav/ASTERS.DTB"), "mes astéroïdes");

    EXPECT_NE(RunCommand(env + "qav' --help").out.find("Usage : qav [--dir DOSSIER] [FICHIER.qav]"), std::string::npos);
    EXPECT_EQ(RunCommand(env + "qav' --version").out, "Qav, version " QAV_VERSION "\n");
    const CliRun unknown = RunCommand(env + "qav' --nimporte");
    EXPECT_EQ(std::tie(unknown.status, unknown.err),
              std::make_tuple(2, std::string("qav : option inconnue « --nimporte ».\nEssayez « qav --help ».\n")));
}
