// qav-cli run as a process, as a script would.

#include "support/CliProcess.h"

#include <gtest/gtest.h>

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
    EXPECT_NE(unknown.err.find("argument inconnu"), std::string::npos);
    EXPECT_EQ(QavCli("").status, 2);
}
