#pragma once
// A file named on the command line (-o, --png, ...), taken from the folder the
// command was typed in, before the command moves to the catalogue folder.

#include "platform/FileError.h"

#include <filesystem>
#include <string>
#include <system_error>

// The absolute path of `name` (not empty). A current folder that no longer
// exists (deleted under the shell) throws FileError naming the file.
inline std::filesystem::path FromTypingFolder(const std::string& name)
{
    std::error_code failure;
    std::filesystem::path path = std::filesystem::absolute(name, failure);
    if (failure)
        throw FileError(FileError::CauseFromErrno(failure.value()), name);
    return path;
}
