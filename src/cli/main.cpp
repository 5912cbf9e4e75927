#include "cli/QavCli.h"

#include <iostream>

int main(int argc, char** argv)
{
    return RunQavCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
