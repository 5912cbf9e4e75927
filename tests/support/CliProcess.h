#pragma once
// qav-cli run as a process, as a script would: its status, its standard
// output and its standard error apart.

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs a shell command line.
inline CliRun RunCommand(const std::string& commandLine)
{
    CliRun run;
    const std::filesystem::path errFile =
        std::filesystem::temp_directory_path() / ("qav-cli-stderr-" + std::to_string(::getpid()) + ".txt");
    const std::string command = "{ " + commandLine + "; } 2>'" + errFile.string() + "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), got);
    const int wait = ::pclose(pipe);
    run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    std::ifstream err(errFile, std::ios::binary);
    run.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    err.close();
    std::filesystem::remove(errFile);
    return run;
}

// qav-cli in the current folder, whatever QAV_HOME the tests run with.
inline CliRun QavCli(const std::string& arguments)
{
    return RunCommand("env -u QAV_HOME " + std::string(QAV_CLI_PATH) + " " + arguments);
}

// The pieces of `text` between the separators, empty ones included (CSV cells
// with ',', click fields with '\t'); Lines leaves out the one after the last line end.
inline std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> pieces(1);
    for (const char c : text) {
        if (c == separator)
            pieces.emplace_back();
        else
            pieces.back().push_back(c);
    }
    return pieces;
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines = Split(text, '\n');
    if (lines.back().empty())
        lines.pop_back();
    return lines;
}
