#pragma once
// qav's own options, read before Qt starts so that --help and --version work
// without a display: --dir, --help, --version, and the refusal of an unknown
// option. The print switches, the file and Qt's own options pass on.

#include <iosfwd>
#include <string>
#include <vector>

struct StartOptions {
    bool exitNow = false; // --help, --version or a refusal: end with exitCode
    int exitCode = 0;
    std::string dir; // --dir, empty when not given
    // The program name, then what Qt and the command line read, with file
    // names made absolute: Qav starts in its working folder.
    std::vector<std::string> arguments;
};

StartOptions ReadStartOptions(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err);
