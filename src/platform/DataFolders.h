#pragma once
// The folders Qav works with: the working folder that holds the user's three
// catalogues, and the read-only sample catalogues and help pages that come with
// the program. qav and qav-cli choose their working folder by the same rule.

#include <filesystem>
#include <string>

// What the choice of the working folder depends on.
struct WorkingFolderSources {
    std::string dirOption;   // --dir, empty when not given
    std::string qavHome;     // $QAV_HOME
    std::string xdgDataHome; // $XDG_DATA_HOME
    std::string home;        // $HOME
    std::filesystem::path current;
};

struct WorkingFolderChoice {
    std::filesystem::path folder;
    bool userDataFolder = false; // the XDG folder: created and seeded with the samples
};

// --dir, else $QAV_HOME, else the current folder when it holds one of the three
// catalogues, else $XDG_DATA_HOME/qav (~/.local/share/qav when unset or relative).
WorkingFolderChoice ChooseWorkingFolder(const WorkingFolderSources& sources);

// Creates `folder` if needed and copies into it each sample catalogue of
// `samples` it does not hold yet: a user's own file is never replaced. Failures
// are silent; a catalogue still missing is reported when a command opens it.
void SeedWorkingFolder(const std::filesystem::path& folder, const std::filesystem::path& samples);

// The rule applied to this process's environment; the XDG folder is seeded.
std::filesystem::path WorkingFolderFor(const std::string& dirOption);

// Installed with the program (bin/../share/qav/...) or, for a program run from
// the build folder, in the source tree. Empty when missing.
std::filesystem::path SampleCatalogueFolder();
std::filesystem::path HelpFolder();

// The rule in French, for the --help texts of qav and qav-cli.
extern const char* const kWorkingFolderHelp;
