// SPDX-License-Identifier: GPL-3.0-or-later
// zelmora-script [FILE]: runs a script of learner actions with no display and prints what the
// controls hold. Exit status 0 when every line ran, 2 for a line that cannot run, 1 for a
// runtime error of the program.

#include "script_runner.hpp"

#include <cerrno>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

int main(int argc, char** argv)
{
    if (argc > 2) {
        std::cerr << "usage: zelmora-script [FILE]\n";
        return 2;
    }
    std::ifstream file;
    std::istream* in = &std::cin;
    if (argc == 2 && std::string(argv[1]) != "-") {
        errno = 0;
        file.open(argv[1]);
        if (!file) {
            int const error = errno;
            std::cerr << "line 1: cannot read " << argv[1]
                      << (error ? ": " + std::generic_category().message(error) : std::string()) << "\n";
            return 2;
        }
        in = &file;
    }
    zelmora::ScriptRunner runner(std::cout, std::cerr);
    return runner.run(*in);
}
