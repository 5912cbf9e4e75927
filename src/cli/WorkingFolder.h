#pragma once
// The catalogues are opened by their bare names: a command works in the
// catalogue folder given with --dir and comes back to the previous folder.

#include "platform/FileError.h"

#include <filesystem>
#include <string>

class WorkingFolder {
public:
    // An empty folder stays where it is; a folder that cannot be entered throws FileError.
    explicit WorkingFolder(const std::string& folder)
    {
        if (folder.empty())
            return;
        std::error_code failure;
        previous_ = std::filesystem::current_path(failure);
        std::filesystem::current_path(folder, failure);
        if (failure) {
            previous_.clear();
            throw FileError(FileError::CauseFromErrno(failure.value()), folder);
        }
    }
    ~WorkingFolder()
    {
        std::error_code ignored;
        if (!previous_.empty())
            std::filesystem::current_path(previous_, ignored);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::filesystem::path previous_;
};
