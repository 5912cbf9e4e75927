#pragma once
// qav-cli: the computations of Qav from the shell, for scripts and checks.

#include <iosfwd>
#include <string>
#include <vector>

// Runs qav-cli with its arguments (without the program name); returns the exit status.
int RunQavCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
