// SPDX-License-Identifier: GPL-3.0-or-later
// zelmora: the program, with a real window for every open window of the runtime.

#include "command_line.hpp"
#include "program.hpp"

int main(int argc, char** argv)
{
    auto const commandLine = zelmora::qt::readCommandLine(argc, argv);
    if (commandLine.exitStatus)
        return *commandLine.exitStatus;
    zelmora::qt::Program program(argc, argv);
    program.start();
    if (commandLine.boardFile)
        program.openBoardFile(*commandLine.boardFile);
    if (commandLine.shareLink)
        program.openShareLink(*commandLine.shareLink);
    return program.exec();
}
