// qav's options before Qt starts: files made absolute (Qav starts in its
// working folder), Qt's options and the print switches passed on, refusals.

#include "app/StartOptions.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

TEST(StartOptions, PassOnWhatQtAndTheCommandLineRead)
{
    const std::string here = std::filesystem::current_path().string() + "/";
    struct Case {
        std::vector<std::string> argv;
        int exitCode; // -1: Qav starts
        std::string dir;
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {{"qav", "--dir", "/d", "a.qav"}, -1, "/d", {"qav", here + "a.qav"}},
        {{"qav", "-platform", "offscreen", "-P", "a.qav", "--style=fusion", "--dir=b"}, -1, "b",
         {"qav", "-platform", "offscreen", "-P", here + "a.qav", "--style=fusion"}},
        {{"qav", "-pt", "a.qav", "Bureau", "/p", "/x/b.qav"}, -1, "", {"qav", "-pt", here + "a.qav", "Bureau", "/p", "/x/b.qav"}},
        {{"qav", "-style", "fusion", "b.qav"}, -1, "", {"qav", "-style", "fusion", here + "b.qav"}},
        {{"qav", "--dir"}, 2, "", {}},
        {{"qav", "--dir", ""}, 2, "", {}},
        {{"qav", "a.qav", "-z"}, 2, "", {}},
        {{"qav", "-z", "--help"}, 2, "", {}},
        {{"qav", "--version", "-z"}, 0, "", {}},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        const StartOptions options = ReadStartOptions(c.argv, out, err);
        EXPECT_TRUE((options.exitNow ? options.exitCode : -1) == c.exitCode && options.dir == c.dir &&
                    options.arguments == c.arguments && err.str().empty() == (c.exitCode != 2))
            << c.argv.back();
    }
}
