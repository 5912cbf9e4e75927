#include "platform/DataFolders.h"

#include <array>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::array<const char*, 3> kCatalogues = {"COMETS.WDB", "SITES.NDB", "ASTERS.DTB"};

bool HoldsACatalogue(const fs::path& folder)
{
    std::error_code ignored;
    for (const char* name : kCatalogues)
        if (fs::is_regular_file(folder / name, ignored))
            return true;
    return false;
}

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// $HOME, or the password database's entry when HOME is unset.
std::string HomeFolder()
{
    std::string home = Environment("HOME");
    if (home.empty())
        if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
            home = entry->pw_dir;
    return home;
}

// A program run from the build folder reads the source tree; an installed one,
// the data folder installed with it.
fs::path ProgramData(const char* installed, const char* inSource)
{
    std::error_code failure;
    const fs::path program = fs::read_symlink("/proc/self/exe", failure).parent_path();
    if (failure)
        return {};
    const fs::path fromBuild = program.lexically_relative(fs::weakly_canonical(QAV_BUILD_DIR, failure));
    const bool inBuild = !fromBuild.empty() && *fromBuild.begin() != "..";
    const fs::path folder = inBuild ? fs::path(QAV_SOURCE_DIR) / inSource
                                    : (program / QAV_DATA_FROM_PROGRAM / installed).lexically_normal();
    return fs::is_directory(folder, failure) ? folder : fs::path();
}

} // namespace

const char* const kWorkingFolderHelp =
    "Dossier de travail : celui de --dir, sinon $QAV_HOME, sinon le dossier courant\n"
    "s'il contient COMETS.WDB, SITES.NDB ou ASTERS.DTB, sinon ~/.local/share/qav\n"
    "($XDG_DATA_HOME/qav), garni au premier lancement des catalogues d'exemple\n"
    "(jamais à la place des vôtres).\n";

WorkingFolderChoice ChooseWorkingFolder(const WorkingFolderSources& sources)
{
    if (!sources.dirOption.empty())
        return {sources.dirOption};
    if (!sources.qavHome.empty())
        return {sources.qavHome};
    if (HoldsACatalogue(sources.current))
        return {sources.current};
    // A relative XDG_DATA_HOME is invalid and ignored, as the XDG rules ask.
    const fs::path data = fs::path(sources.xdgDataHome).is_absolute() ? fs::path(sources.xdgDataHome)
                                                                      : fs::path(sources.home) / ".local/share";
    return {data / "qav", true};
}

void SeedWorkingFolder(const fs::path& folder, const fs::path& samples)
{
    std::error_code failure;
    fs::create_directories(folder, failure);
    if (samples.empty())
        return;
    for (const char* name : kCatalogues) {
        const fs::path target = folder / name;
        // A broken link or anything else already there is the user's.
        if (fs::symlink_status(target, failure).type() != fs::file_type::not_found)
            continue;
        if (!fs::copy_file(samples / name, target, fs::copy_options::none, failure))
            continue;
        // The installed samples are read-only; the user's copies are not.
        fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, failure);
    }
}

fs::path WorkingFolderFor(const std::string& dirOption)
{
    std::error_code ignored;
    const WorkingFolderChoice choice = ChooseWorkingFolder(
        {dirOption, Environment("QAV_HOME"), Environment("XDG_DATA_HOME"), HomeFolder(), fs::current_path(ignored)});
    if (choice.userDataFolder)
        SeedWorkingFolder(choice.folder, SampleCatalogueFolder());
    return choice.folder;
}

fs::path SampleCatalogueFolder() { return ProgramData("samples", "data"); }

fs::path HelpFolder() { return ProgramData("help", "help"); }
