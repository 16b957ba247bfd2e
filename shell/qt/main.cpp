// SPDX-License-Identifier: GPL-3.0-or-later
// zelmora: the program, with a real window for every open window of the runtime.

#include "command_line.hpp"
#include "program.hpp"

int main(int argc, char** argv)
{
    if (const auto exitStatus = zelmora::qt::answerCommandLine(argc, argv))
        return *exitStatus;
    zelmora::qt::Program program(argc, argv);
    program.start();
    return program.exec();
}
