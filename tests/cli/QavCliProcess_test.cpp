// qav-cli run as a process, as a script would.

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace {

struct CliRun {
    int status = -1;
    std::string out;
};

CliRun QavCli(const std::string& arguments)
{
    CliRun run;
    const std::string command = std::string(QAV_CLI_PATH) + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), got);
    const int wait = ::pclose(pipe);
    run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    return run;
}

} // namespace

TEST(QavCliProcess, HelpVersionAndUnknownArguments)
{
    const CliRun help = QavCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage : qav-cli"), std::string::npos);
    EXPECT_NE(help.out.find("dossier des catalogues"), std::string::npos);

    const CliRun version = QavCli("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("qav-cli ", 0), 0u);

    const CliRun unknown = QavCli("--nimporte");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.out.find("argument inconnu"), std::string::npos);
    EXPECT_EQ(QavCli("").status, 2);
}
